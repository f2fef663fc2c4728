#include "outils/commande_verifie.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "support/dossier_test.h"
#include "support/ecole_generee.h"
#include "teacher/regles_verification.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QDateTime maintenant(QDate(2024, 12, 7), QTime(10, 15, 0));

QString seance(const QDate& jour, const QString& debut)
{
    return ligne_entete_seance(
        nom_jour(jour), date_texte(jour), debut, QStringLiteral("23:59:00"), QStringLiteral("SALLE-2"));
}

// Six pupils in two classes (C01, C02) of 2024-2025, each with ten séances from 2 September, then what a
// school's share collects over a year: every kind of damage the check knows, one each.
class Verification : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ecole.eleves = 6;
        ASSERT_TRUE(ecole.ecrit(eleves()));
        ASSERT_TRUE(dossier.cree(QStringLiteral("stats")));
        options.dossier_eleves = eleves();
        options.etablissement = ecole.etablissement;
        options.dossier_statistiques = dossier.chemin(QStringLiteral("stats"));
        options.classes_par_annee.insert(ecole.annee, {QStringLiteral("C01"), QStringLiteral("C02")});
    }

    QString eleves() const { return dossier.chemin(QStringLiteral("Eleves")); }
    QString etab(const QString& relatif = {}) const
    {
        return ecole.dossier_etablissement(eleves())
            + (relatif.isEmpty() ? QString() : QLatin1Char('/') + relatif);
    }
    QString classe(const QString& nom) const { return etab(ecole.annee + QLatin1Char('/') + nom); }
    static void ecrit(const QString& chemin, const QByteArray& octets, int age_s = 0)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
        f.write(octets);
        // Written out first: the last write would date the file again.
        f.flush();
        if (age_s > 0)
            f.setFileTime(maintenant.addSecs(-age_s), QFileDevice::FileModificationTime);
    }

    void abime()
    {
        // A lower-case copy of pupil 3 made on a machine that lost his séance of 20 November.
        copie = ecole.historique(3);
        copie << seance(QDate(2024, 11, 20), QStringLiteral("11:00:00"))
              << ligne_test(QStringLiteral("11:01:00"), QStringLiteral("11:04:00"),
                     enregistrement_reponse(QStringLiteral("0707"), 30, 49));
        ASSERT_TRUE(ecrit_lignes(etab(EcoleGeneree::nom_eleve(3).toLower() + QStringLiteral(".txt")), copie));
        ASSERT_TRUE(ecrit_lignes(classe(QStringLiteral("C02")) + QLatin1Char('/') + EcoleGeneree::nom_eleve(4)
                + QStringLiteral(".lnk"),
            {etab(EcoleGeneree::nom_eleve(4) + QStringLiteral(".txt"))}));
        ASSERT_TRUE(QDir().mkpath(classe(QStringLiteral("C99"))));
        ASSERT_TRUE(ecrit_lignes(etab(QStringLiteral("Futur_Max.txt")),
            {seance(QDate(2024, 12, 2), QStringLiteral("10:00:00")),
                seance(QDate(2025, 1, 10), QStringLiteral("10:00:00"))}));
        ASSERT_TRUE(ecrit_lignes(etab(QStringLiteral("Desordre_Ugo.txt")),
            {seance(QDate(2024, 11, 5), QStringLiteral("10:00:00")),
                seance(QDate(2024, 11, 5), QStringLiteral("09:00:00"))}));
        ASSERT_TRUE(ecrit_lignes(options.dossier_statistiques + QStringLiteral("/liste_records.txt"),
            {QStringLiteral("095030Fantome_Zoe"), QStringLiteral("090025") + EcoleGeneree::nom_eleve(0)}));
        // Last: every atomic write above cleans its folder as the program does.
        const QString e1 = EcoleGeneree::nom_eleve(1), e2 = EcoleGeneree::nom_eleve(2);
        ASSERT_EQ(::mkfifo(QFile::encodeName(etab(QStringLiteral("Tuyau_Eva.txt"))).constData(), 0600), 0);
        ecrit(etab(e1 + QStringLiteral(".txt.tabrix-tmp-ancien")), "ancienne copie", 3600);
        ecrit(etab(QStringLiteral("Perdu_Lea.txt.tabrix-tmp-ancien")),
            vers_cp1252(seance(QDate(2024, 10, 1), QStringLiteral("09:00:00")) + QStringLiteral("\r\n")));
        ecrit(etab(QLatin1Char('.') + e2 + QStringLiteral(".txt.tabrix-tmp-AbCdEf")), "vieux", 3600);
        // The school index, and what a build killed while writing it anew left beside it.
        ecrit(options.dossier_statistiques + QStringLiteral("/index_historiques.bin"), "index", 3600);
        ecrit(options.dossier_statistiques + QStringLiteral("/index_historiques.bin.QrStUv"), "vieux", 3600);
        // Left at the real clock's time: a write still running, which the program's own cleaning keeps too.
        ecrit(etab(QLatin1Char('.') + e2 + QStringLiteral(".txt.tabrix-tmp-GhIjKl")), "en cours");
        ecrit(etab(QStringLiteral("notes.docx")), "?");
        ecrit(classe(QStringLiteral("C01")) + QStringLiteral("/photo.jpg"), "?");
    }

    DossierTest dossier;
    EcoleGeneree ecole;
    OptionsVerification options;
    QStringList copie;
};

QStringList chemins(const RapportVerification& r, GenreConstat genre)
{
    QStringList c;
    for (const Constat& k : r.constats)
        if (k.genre == genre)
            c << QFileInfo(k.chemin).fileName();
    return c;
}

} // namespace

TEST_F(Verification, une_ecole_saine_n_a_rien_a_signaler)
{
    const RapportVerification r = verifie_partage(options, maintenant);
    EXPECT_EQ(r.historiques, 6);
    EXPECT_EQ(r.dossiers_classes, 2);
    EXPECT_TRUE(r.rien_a_signaler()) << texte_rapport(r, options).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(texte_rapport(r, options).last(), QStringLiteral("Rien à signaler."));
}

TEST_F(Verification, chaque_dommage_est_trouve_dans_son_groupe_sans_rien_changer)
{
    abime();
    const RapportVerification r = verifie_partage(options, maintenant);
    const QString n3 = EcoleGeneree::nom_eleve(3), n4 = EcoleGeneree::nom_eleve(4);
    const struct
    {
        GenreConstat genre;
        QStringList attendus;
    } cas[] = {
        {GenreConstat::illisible, {QStringLiteral("Tuyau_Eva.txt")}},
        {GenreConstat::reste_de_panne,
            {EcoleGeneree::nom_eleve(2).prepend(QLatin1Char('.')) + QStringLiteral(".txt.tabrix-tmp-AbCdEf"),
                EcoleGeneree::nom_eleve(1) + QStringLiteral(".txt.tabrix-tmp-ancien"),
                QStringLiteral("Perdu_Lea.txt.tabrix-tmp-ancien"),
                QStringLiteral("index_historiques.bin.QrStUv")}},
        {GenreConstat::deux_copies, {n3 + QStringLiteral(".txt")}},
        {GenreConstat::deux_classes, {n4 + QStringLiteral(".lnk")}},
        {GenreConstat::classe_inconnue, {QStringLiteral("C99")}},
        {GenreConstat::date_future, {QStringLiteral("Futur_Max.txt")}},
        {GenreConstat::desordre, {QStringLiteral("Desordre_Ugo.txt")}},
        {GenreConstat::records, {QStringLiteral("liste_records.txt")}},
        {GenreConstat::inconnu, {QStringLiteral("notes.docx"), QStringLiteral("photo.jpg")}},
    };
    for (const auto& c : cas) {
        QStringList trouves = chemins(r, c.genre), attendus = c.attendus;
        trouves.sort();
        attendus.sort();
        EXPECT_EQ(trouves, attendus) << titre_constat(c.genre).toStdString();
    }
    EXPECT_EQ(r.historiques, 6 + 1 + 1 + 2);
    EXPECT_TRUE(r.reparations.isEmpty());
    // Nothing moved: the copies and the set-aside file are where they were.
    EXPECT_TRUE(QFile::exists(etab(n3.toLower() + QStringLiteral(".txt"))));
    EXPECT_TRUE(QFile::exists(etab(QStringLiteral("Perdu_Lea.txt.tabrix-tmp-ancien"))));
    EXPECT_FALSE(QFile::exists(etab(QStringLiteral("Perdu_Lea.txt"))));

    const QStringList texte = texte_rapport(r, options);
    EXPECT_TRUE(texte.contains(QStringLiteral("Historiques illisibles : 1")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Fichiers inconnus du programme : 2")));
    EXPECT_TRUE(texte.filter(QStringLiteral("Fantome_Zoe")).size() == 1);
    EXPECT_TRUE(texte.filter(QStringLiteral("dernière séance datée du 10/01/2025 10:00:00")).size() == 1);
    EXPECT_EQ(texte.last(), QStringLiteral("%1 constat(s).").arg(r.constats.size()));
}

TEST_F(Verification, reparer_fusionne_les_copies_remet_la_seule_copie_et_range_le_reste_sans_rien_effacer)
{
    abime();
    options.reparer = true;
    const RapportVerification r = verifie_partage(options, maintenant);
    EXPECT_TRUE(r.echecs.isEmpty()) << r.echecs.join(QLatin1Char('\n')).toStdString();
    const QString n3 = EcoleGeneree::nom_eleve(3);
    // The kept copy holds both copies' lines; the other is in the dated folder, whole.
    const QStringList fusion = lit_lignes(etab(n3 + QStringLiteral(".txt"))).value();
    for (const QString& ligne : copie)
        EXPECT_TRUE(fusion.contains(ligne)) << ligne.toStdString();
    EXPECT_FALSE(QFile::exists(etab(n3.toLower() + QStringLiteral(".txt"))));
    const QString range = options.dossier_statistiques + QStringLiteral("/verification 2024-12-07/")
        + ecole.etablissement + QLatin1Char('/');
    EXPECT_EQ(lit_lignes(range + n3.toLower() + QStringLiteral(".txt")).value(), fusion);
    EXPECT_TRUE(QFile::exists(range + EcoleGeneree::nom_eleve(1) + QStringLiteral(".txt.tabrix-tmp-ancien")));
    EXPECT_TRUE(QFile::exists(etab(QStringLiteral("Perdu_Lea.txt"))));
    EXPECT_FALSE(QFile::exists(
        etab(QLatin1Char('.') + EcoleGeneree::nom_eleve(2) + QStringLiteral(".txt.tabrix-tmp-AbCdEf"))));
    // The temporary of a write still running is not touched.
    EXPECT_TRUE(QFile::exists(
        etab(QLatin1Char('.') + EcoleGeneree::nom_eleve(2) + QStringLiteral(".txt.tabrix-tmp-GhIjKl"))));
    EXPECT_FALSE(QFile::exists(options.dossier_statistiques + QStringLiteral("/index_historiques.bin.QrStUv")));
    EXPECT_EQ(r.reparations.size(), 6); // merge, its copy put away, two copies, two temporaries

    // Checked again: what was repaired is gone, what needs the teacher stays.
    options.reparer = false;
    const RapportVerification apres = verifie_partage(options, maintenant);
    EXPECT_EQ(apres.nombre(GenreConstat::deux_copies), 0);
    EXPECT_EQ(apres.nombre(GenreConstat::reste_de_panne), 0);
    EXPECT_EQ(apres.nombre(GenreConstat::deux_classes), 1);
}

TEST_F(Verification, la_commande_dit_par_son_code_si_quelque_chose_a_ete_trouve)
{
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    const HorlogeManuelle horloge {maintenant};
    const QString ini = dossier.chemin(QStringLiteral("Tabrix.ini"));
    ASSERT_TRUE(ecrit_lignes(ini,
        {QStringLiteral("[Etablissement]"),
            QStringLiteral("Niveaux et classes 2024-2025=sixième<C01>cinquième<C02>")}));
    const QStringList base {QStringLiteral("--eleves"), eleves(), QStringLiteral("--etablissement"),
        ecole.etablissement, QStringLiteral("--configuration"), ini};
    EXPECT_EQ(commande_verifie(base, s, e, horloge), 0) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QStringLiteral("Rien à signaler.")));
    ASSERT_TRUE(QDir().mkpath(classe(QStringLiteral("C99"))));
    sortie.clear();
    EXPECT_EQ(commande_verifie(base, s, e, horloge), 1);
    EXPECT_TRUE(sortie.contains(QStringLiteral("Dossiers de classes que l'établissement ne nomme plus : 1")));

    const struct
    {
        QStringList arguments;
        const char* message;
    } refus[] = {
        {{QStringLiteral("--eleves"), eleves()}, "l'établissement sont nécessaires"},
        {{QStringLiteral("--eleves"), eleves(), QStringLiteral("--etablissement"), QStringLiteral("Autre")},
            "n'existe pas"},
        {base + QStringList {QStringLiteral("--reparer")}, "--statistiques DOSSIER"},
        {base + QStringList {QStringLiteral("--vite")}, "option inconnue : --vite"},
    };
    for (const auto& c : refus) {
        erreurs.clear();
        EXPECT_EQ(commande_verifie(c.arguments, s, e, horloge), 2) << c.message;
        EXPECT_TRUE(erreurs.contains(QString::fromUtf8(c.message))) << erreurs.toStdString();
    }
}
