#include "storage/fichier_texte.h"
#include "storage/records.h"
#include "support/dossier_test.h"
#include "support/ecole_generee.h"
#include "teacher/ecole_suivi.h"
#include "teacher/enregistrement_liste_eleves.h"
#include "teacher/regles_liste_eleves.h"
#include "teacher/regles_resume_eleve.h"
#include "teacher/regles_selecteurs.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

const QDateTime maintenant(QDate(2024, 12, 7), QTime(10, 15, 0));

class ListeSuivi : public ::testing::Test
{
protected:
    void SetUp() override { ecole_suivi::ecrit(dossier.chemin()); }
    OptionsListeEleves options(TriListe tri = TriListe::resultat, bool rapidite = false) const
    {
        OptionsListeEleves o;
        o.dossier_eleves = dossier.chemin();
        o.etablissement = ecole_suivi::etablissement;
        o.annee = ecole_suivi::annee;
        o.date = QStringLiteral("07/12/2024");
        o.tri = tri;
        o.rapidite = rapidite;
        return o;
    }
    DossierTest dossier;
};

QStringList attendu(const QString& nom)
{
    auto lignes = lit_lignes(ecole_suivi::repertoire_donnees + nom);
    EXPECT_TRUE(lignes.has_value()) << nom.toStdString();
    return lignes.value_or(QStringList());
}

} // namespace

// The three layouts are compared byte for byte with files read in Windows-1252, CR LF.
TEST_F(ListeSuivi, les_mises_en_page_sont_celles_des_fichiers_attendus)
{
    const struct
    {
        const char* fichier;
        TriListe tri;
        bool rapidite;
        bool ecole;
    } cas[] = {
        {"liste_score_resultat.txt", TriListe::resultat, false, true},
        {"liste_rapidite_date.txt", TriListe::date, true, true},
        {"liste_aucun_nom.txt", TriListe::nom, false, false},
    };
    for (const auto& c : cas) {
        OptionsListeEleves o = options(c.tri, c.rapidite);
        if (!c.ecole)
            o.etablissement = texte_aucun;
        const ListeEleves liste = creation_liste_eleves(o, maintenant);
        EXPECT_EQ(liste.lignes, attendu(QString::fromLatin1(c.fichier))) << c.fichier;
        EXPECT_EQ(liste.chemins.size(), liste.lignes.size()) << c.fichier;
    }
}

// A classroom clock ahead dated Martin_Léa's test 03/12: seen on 02/12 it is -1 days old, not untested.
TEST_F(ListeSuivi, un_test_date_apres_aujourd_hui_garde_son_nombre_de_jours_dans_le_tri_par_date)
{
    const ListeEleves liste
        = creation_liste_eleves(options(TriListe::date), QDateTime(QDate(2024, 12, 2), QTime(10, 15, 0)));
    const QStringList attendues {QStringLiteral("\t61: 4 élèves (-1 jours)"),
        QStringLiteral("\t\tMartin\u00A0Léa............7 ( -1 )"),
        QStringLiteral("\t\tDupont\u00A0Marie..........85 ( 0 )"),
        QStringLiteral("\t\tAbcdefghijklmnopqrstu\u00A0Vwx66 ( 1 )"),
        QStringLiteral("\t\tSansbilan\u00A0Paul........   ")};
    ASSERT_GE(liste.lignes.size(), 6);
    EXPECT_TRUE(liste.lignes[1].startsWith(attendues[0])) << liste.lignes[1].toStdString();
    EXPECT_EQ(liste.lignes.mid(2, 4), attendues.mid(1));
}

TEST_F(ListeSuivi, chaque_ligne_garde_son_chemin_apres_le_tri)
{
    // The window shows how far the reading is: one call per pupil, up to the total.
    QVector<int> faits;
    const ListeEleves liste
        = creation_liste_eleves(options(TriListe::resultat), maintenant, [&](int f, int total) {
              EXPECT_EQ(total, 7);
              faits << f;
          });
    EXPECT_EQ(faits, (QVector<int> {1, 2, 3, 4, 5, 6, 7}));
    const QString etab = dossier.chemin() + QLatin1Char('/') + ecole_suivi::etablissement;
    EXPECT_EQ(liste.chemins.at(0), QStringLiteral(" "));
    for (int i = 1; i < liste.lignes.size(); ++i) {
        const QString ligne = liste.lignes[i];
        if (ligne.startsWith(QStringLiteral("\t\t"))) {
            const QString base
                = ligne.mid(2).section(QLatin1Char('.'), 0, 0).replace(QChar(0xA0), QLatin1Char('_'));
            EXPECT_EQ(liste.chemins[i], etab + QLatin1Char('/') + base.left(25) + QStringLiteral(".txt"))
                << ligne.toStdString();
        } else {
            EXPECT_TRUE(
                liste.chemins[i].endsWith(QLatin1Char('/') + ligne.mid(1).section(QLatin1Char(':'), 0, 0)));
        }
    }
    // The class of a pupil, all pupils of a class, and everyone.
    EXPECT_EQ(chemins_eleves_du_noeud(liste.lignes, liste.chemins, 2), QStringList {liste.chemins[2]});
    EXPECT_EQ(chemins_eleves_du_noeud(liste.lignes, liste.chemins, 1).size(), 4);
    EXPECT_EQ(chemins_eleves_du_noeud(liste.lignes, liste.chemins, 0).size(), 7);
}

TEST_F(
    ListeSuivi, les_records_sont_les_tests_choisis_et_la_liste_des_eleves_hors_etablissement_n_y_touche_pas)
{
    const QString stats = dossier.chemin(QStringLiteral("stats"));
    const CheminsRecords records {QString(), stats + QStringLiteral("/liste_records.txt")};
    const ListeEleves ecole = creation_liste_eleves(options(), maintenant);
    EXPECT_EQ(ecole.records,
        (QStringList {QStringLiteral("007030Martin_Léa"), QStringLiteral("066029Abcdefghijklmnopqrstu_Vwx"),
            QStringLiteral("067028Deux_Anne"), QStringLiteral("068028Trois_Luc"),
            QStringLiteral("085029Dupont_Marie")}));
    ASSERT_TRUE(enregistre_liste_eleves(ecole, true, stats, records).records);
    EXPECT_EQ(lit_lignes(records.local), ecole.records);

    OptionsListeEleves aucun = options();
    aucun.etablissement = texte_aucun;
    const ListeEleves seuls = creation_liste_eleves(aucun, maintenant);
    EXPECT_TRUE(seuls.records.isEmpty());
    const EnregistrementListe e = enregistre_liste_eleves(seuls, false, stats, records);
    EXPECT_TRUE(e.liste);
    EXPECT_EQ(lit_lignes(e.chemin_liste), seuls.lignes);
    EXPECT_EQ(lit_lignes(records.local), ecole.records);
}

// A refresh that changes no record leaves the records file as it was (other machines keep their copy in
// their page cache, and nothing waits on the disk); one that changes a record replaces it.
TEST_F(ListeSuivi, un_rafraichissement_sans_record_change_ne_reecrit_pas_les_records)
{
    const QString stats = dossier.chemin(QStringLiteral("stats"));
    const CheminsRecords records {QString(), stats + QStringLiteral("/liste_records.txt")};
    const auto inode = [](const QString& chemin) {
        struct stat st
        {
        };
        return ::stat(QFile::encodeName(chemin).constData(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    ListeEleves liste = creation_liste_eleves(options(), maintenant);
    ASSERT_TRUE(enregistre_liste_eleves(liste, true, stats, records).records);
    const ino_t avant = inode(records.local);
    const ino_t liste_avant = inode(stats + QStringLiteral("/liste_eleves.txt"));
    ASSERT_NE(avant, ino_t(0));

    EnregistrementListe e = enregistre_liste_eleves(liste, true, stats, records);
    EXPECT_TRUE(e.records);
    EXPECT_TRUE(e.liste);
    EXPECT_EQ(inode(records.local), avant);
    EXPECT_NE(inode(e.chemin_liste), liste_avant);

    liste.records.removeFirst();
    e = enregistre_liste_eleves(liste, true, stats, records);
    EXPECT_TRUE(e.records);
    EXPECT_NE(inode(records.local), avant);
    EXPECT_EQ(lit_lignes(records.local), liste.records);
}

TEST(ListeSuivi60, soixante_eleves_testes_donnent_les_cinquante_meilleurs_records)
{
    Inventaire inv;
    ClasseInventoriee c {QStringLiteral("61"), QStringLiteral("/x/61"), {}};
    QVector<ResultatEleve> resultats;
    for (int i = 0; i < 60; ++i) {
        c.eleves.append(
            {QStringLiteral("Eleve%1_X").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("/x/e.txt")});
        ResultatEleve r;
        r.test.ligne = QStringLiteral("\tTEST de 10:00:00 à 10:05:00 ");
        r.test.date = QStringLiteral("02/12/2024");
        r.score = 40 + i;
        r.vitesse = 10;
        resultats << r;
    }
    inv.classes << c;
    const ListeEleves liste = assemble_liste(inv, resultats, OptionsListeEleves(), maintenant);
    ASSERT_EQ(liste.records.size(), 50);
    EXPECT_EQ(liste.records.first(), QStringLiteral("050010Eleve10_X"));
    EXPECT_EQ(liste.records.last(), QStringLiteral("099010Eleve59_X"));
}

TEST(ListeSuiviMoyenne, les_moitiés_vont_au_pair_et_une_classe_sans_test_vaut_moins_un)
{
    const struct
    {
        QVector<int> valeurs;
        int moyenne;
    } cas[] = {
        {{66, 67}, 66},
        {{67, 68}, 68},
        {{}, -1},
        {{1, 2, 2}, 2},
        {{0, 1}, 0},
        {{100}, 100},
    };
    for (const auto& c : cas)
        EXPECT_EQ(moyenne_arrondie(c.valeurs), c.moyenne) << c.valeurs.size();
}

TEST_F(ListeSuivi, un_historique_illisible_est_un_eleve_sans_test_nomme_une_fois)
{
    const QString etab = dossier.chemin() + QLatin1Char('/') + ecole_suivi::etablissement;
    // A folder where the history should be: it exists, yet cannot be read as a file.
    QFile::remove(etab + QStringLiteral("/Dupont_Marie.txt"));
    ASSERT_TRUE(QDir().mkpath(etab + QStringLiteral("/Dupont_Marie.txt")));
    const ListeEleves liste = creation_liste_eleves(options(TriListe::nom), maintenant);
    EXPECT_EQ(liste.illisibles, QStringList {QStringLiteral("Dupont_Marie")});
    EXPECT_TRUE(liste.lignes.contains(QStringLiteral("\t\tDupont\u00A0Marie..........   ")));
    EXPECT_FALSE(liste.records.join(QLatin1Char(' ')).contains(QStringLiteral("Dupont")));
}

// A test of the extended tables alone has no classic score (-1): its line says so, but neither a mean of
// scores nor the ranking of classic tests has room for it.
TEST_F(ListeSuivi, un_test_sans_produit_classique_montre_moins_un_hors_moyenne_et_hors_records)
{
    ecole_suivi::ajoute(dossier.chemin(), QStringLiteral("64"), QStringLiteral("Etendu_Max"),
        {ecole_suivi::entete(QStringLiteral("Mercredi"), QStringLiteral("04/12/2024")),
            ecole_suivi::test(QStringLiteral("P02120200024P03120200036"))});
    const ListeEleves liste = creation_liste_eleves(options(TriListe::nom), maintenant);
    EXPECT_TRUE(liste.lignes.contains(QStringLiteral("\t\tEtendu\u00A0Max............-1")));
    EXPECT_TRUE(liste.lignes.contains(QStringLiteral("\t64: 3 élèves...........68 ")));
    EXPECT_FALSE(liste.records.join(QLatin1Char(' ')).contains(QStringLiteral("Etendu")));
}

TEST_F(ListeSuivi, un_dossier_introuvable_donne_la_seule_ligne_pas_d_eleve)
{
    OptionsListeEleves o = options();
    o.annee = QStringLiteral("2030-2031");
    EXPECT_EQ(creation_liste_eleves(o, maintenant).lignes,
        QStringList {QStringLiteral("pas d'élève le Samedi 07/12/2024 à 10:15:00")});
}

TEST_F(ListeSuivi, une_liste_qui_ne_peut_etre_ecrite_laisse_l_ancienne_et_le_dit)
{
    const QString stats = dossier.chemin(QStringLiteral("stats"));
    ASSERT_TRUE(QDir().mkpath(stats));
    ASSERT_TRUE(ecrit_lignes(stats + QStringLiteral("/liste_eleves.txt"), {QStringLiteral("ancienne")}));
    // The records file's place is taken by a folder: the list is still written, the failure told.
    ASSERT_TRUE(QDir().mkpath(stats + QStringLiteral("/liste_records.txt")));
    const ListeEleves liste = creation_liste_eleves(options(), maintenant);
    const EnregistrementListe e = enregistre_liste_eleves(
        liste, true, stats, {QString(), stats + QStringLiteral("/liste_records.txt")}, 100);
    EXPECT_TRUE(e.liste);
    EXPECT_FALSE(e.records);
    EXPECT_FALSE(e.records.erreur.isEmpty());

    // A statistics "folder" that is a file: nothing is written, and it says why.
    const QString fichier = dossier.chemin(QStringLiteral("fichier"));
    ASSERT_TRUE(ecrit_lignes(fichier, {QStringLiteral("x")}));
    const EnregistrementListe f = enregistre_liste_eleves(liste, false, fichier, {});
    EXPECT_FALSE(f.liste);
    EXPECT_EQ(lit_lignes(fichier), QStringList {QStringLiteral("x")});
}

TEST(Selecteurs, etablissements_annees_et_premier_septembre)
{
    DossierTest d;
    for (const char* s : {"Collège B/2023-2024", "Collège B/2024-2025", "Collège B/archives", "Collège A"})
        ASSERT_TRUE(d.cree(QString::fromUtf8(s)));
    EXPECT_EQ(etablissements_proposes(d.chemin(), true),
        (QStringList {QStringLiteral("Collège A"), QStringLiteral("Collège B"), QStringLiteral("aucun")}));
    EXPECT_EQ(etablissements_proposes(d.chemin(), false).size(), 2);
    EXPECT_EQ(annees_proposees(d.chemin(), QStringLiteral("Collège B")),
        (QStringList {QStringLiteral("2023-2024"), QStringLiteral("2024-2025")}));
    EXPECT_TRUE(annees_proposees(d.chemin(), texte_aucun).isEmpty());
    EXPECT_EQ(premier_septembre(QDate(2024, 8, 31)), QDate(2023, 9, 1));
    EXPECT_EQ(premier_septembre(QDate(2024, 9, 1)), QDate(2024, 9, 1));
}

TEST(ResumeEleve, phrases_des_seances_et_temps_total)
{
    using namespace ecole_suivi;
    const QString t = test(enregistrements(8));
    const auto jour
        = [](const char* j, const char* d, const char* debut = "14:00:00", const char* fin = "14:20:00") {
              return entete(QString::fromLatin1(j), QString::fromLatin1(d), QString::fromLatin1(debut),
                  QString::fromLatin1(fin));
          };
    const struct
    {
        QStringList historique;
        QStringList phrases;
        QString temps;
    } cas[] = {
        // Three séances on two days, only the first day tested: only test days count as days.
        {{jour("Lundi", "02/12/2024"), t, jour("Lundi", "02/12/2024"), apprentissage,
             jour("Mardi", "03/12/2024"), apprentissage},
            {QStringLiteral("3 séances, le même jour: Lundi 02/12/2024")},
            QStringLiteral("temps total: 01:00:00")},
        {{jour("Lundi", "02/12/2024", "23:50:00", "00:10:30"), t, jour("Mardi", "03/12/2024"), t},
            {QStringLiteral("2 séances, sur 2 jours"),
                QStringLiteral("(le Lundi 02/12/2024 et le Mardi 03/12/2024)")},
            QStringLiteral("temps total: 00:40:30")},
        {{jour("Lundi", "02/12/2024"), t, jour("Mardi", "03/12/2024"), t, jour("Jeudi", "05/12/2024"), t},
            {QStringLiteral("3 séances, sur 3 jours"),
                QStringLiteral("(du Lundi 02/12/2024 au Jeudi 05/12/2024)")},
            QStringLiteral("temps total: 01:00:00")},
        {{jour("Lundi", "02/12/2024"), apprentissage},
            {QStringLiteral("1 seule séance, le Lundi 02/12/2024")}, QStringLiteral("temps total: 00:20:00")},
        {{jour("Lundi", "02/12/2024"), apprentissage, jour("Mardi", "03/12/2024"), apprentissage},
            {QStringLiteral("2 séances, aucun test")}, QStringLiteral("temps total: 00:40:00")},
    };
    for (const auto& c : cas) {
        const ResumeEleve r = resume_historique(vers_cp1252(c.historique.join(QStringLiteral("\r\n"))));
        EXPECT_EQ(r.phrases(), c.phrases) << c.phrases.first().toStdString();
        EXPECT_EQ(r.temps_total(), c.temps) << c.phrases.first().toStdString();
    }
}

TEST(ResumeEleve, plus_de_deux_cents_jours_de_test_sont_tous_gardes)
{
    EcoleGeneree g;
    g.seances = 250;
    const ResumeEleve r = resume_historique(vers_cp1252(g.historique(0).join(QStringLiteral("\r\n"))));
    EXPECT_EQ(r.seances, 250);
    ASSERT_EQ(r.jours.size(), 250);
    EXPECT_EQ(r.jours.last().date, cle_date(g.debut.addDays(249)));
    EXPECT_EQ(r.temps_total(), QStringLiteral("temps total: 83:20:00"));
}

TEST(ResumeEleve, classe_d_une_ligne_de_classe)
{
    EXPECT_EQ(classe_de_ligne(QStringLiteral("\t6A: 2 élèves.......67%")), QStringLiteral("6A"));
}
