#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/fusion_monoposte.h"
#include "storage/historique_enregistrement.h"
#include "storage/historique_lecture.h"
#include "storage/historique_lignes.h"
#include "storage/raccourci.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString poste = QStringLiteral("SALLE-3");

QDateTime a(int h, int m, int s)
{
    return QDateTime(QDate(2024, 12, 3), QTime(h, m, s));
}

QString test_ligne(const QString& debut)
{
    return ligne_test(debut, QStringLiteral("14:06:40"), QStringLiteral("P070903000630208020016"));
}

// A school whose server share and classroom machine both live in a temporary folder.
class Ecole : public ::testing::Test
{
protected:
    void SetUp() override
    {
        r.mode_ecole = true;
        r.nom_etablissement = QStringLiteral("Collège Jean Moulin");
        r.annee_scolaire = QStringLiteral("2024-2025");
        r.niveaux = {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("62")}}};
        r.dossier_programme = d.chemin(QStringLiteral("poste")) + QLatin1Char('/');
        r.dossier_monoposte = QStringLiteral("Eleves");
        r.dossier_eleves = d.chemin(QStringLiteral("serveur/Tabrix/Eleves"));
        r.dossier_etablissement = r.dossier_eleves + QLatin1Char('/') + r.nom_etablissement;
        r.dossier_annee = r.dossier_etablissement + QStringLiteral("/2024-2025");
        ASSERT_TRUE(cree_dossiers_ecole(r));
        ASSERT_TRUE(d.cree(QStringLiteral("poste")));

        e.identite.nom = QStringLiteral("Dupont");
        e.identite.prenom = QStringLiteral("Marie");
        e.identite.nom_fichier = QStringLiteral("Dupont_Marie");
        e.identite.classe = QStringLiteral("61");
        e.identite.dossier_classe = r.dossier_annee + QStringLiteral("/61");
        e.identite.chemin_historique = chemin_historique_eleve(r, e.identite.nom_fichier);
        e.jour_seance = QStringLiteral("Mardi");
        e.date_seance = QStringLiteral("03/12/2024");
        e.heure_debut = QStringLiteral("14:02:10");
        e.historique = anciennes;
        ASSERT_TRUE(ecrit_lignes(e.identite.chemin_historique, anciennes));
    }

    QStringList fichier() const { return lit_lignes(e.identite.chemin_historique).value_or(QStringList {}); }
    QString entete(const QString& fin) const
    {
        return ligne_entete_seance(
            QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), QStringLiteral("14:02:10"), fin, poste);
    }

    DossierTest d;
    Reglages r;
    EtatEleve e;
    const QStringList anciennes {
        QStringLiteral("Séance du Lundi 02/12/2024 de 10:00:00 à 10:30:00 sur le poste \"X\""),
        test_ligne(QStringLiteral("10:01:00"))};
};

} // namespace

TEST_F(Ecole, sans_activite_le_fichier_garde_ses_lignes_sans_entete)
{
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 30, 0), poste));
    EXPECT_EQ(fichier(), anciennes);
}

TEST_F(Ecole, chaque_activite_atteint_le_disque_et_le_bloc_reste_unique)
{
    const QString t = test_ligne(QStringLiteral("14:03:02"));
    const QString app = ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 84);

    ASSERT_TRUE(ajoute_activite(e, r, a(14, 6, 41), poste, t));
    EXPECT_EQ(fichier(), anciennes + QStringList({entete(QStringLiteral("14:06:41")), t}));

    ASSERT_TRUE(ajoute_activite(e, r, a(14, 19, 59), poste, app));
    EXPECT_EQ(fichier(), anciennes + QStringList({entete(QStringLiteral("14:19:59")), t, app}));

    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 21, 0), poste));
    const QStringList attendu = anciennes + QStringList {entete(QStringLiteral("14:21:00")), t, app};
    EXPECT_EQ(fichier(), attendu);
    EXPECT_EQ(e.historique, attendu);
}

TEST_F(Ecole, les_seances_qu_un_autre_poste_ramene_sur_le_serveur_pendant_la_seance_restent)
{
    ASSERT_EQ(charge_historique(e), ChargementHistorique::lu);
    const QString t = test_ligne(QStringLiteral("14:03:02"));
    ASSERT_TRUE(ajoute_activite(e, r, a(14, 6, 41), poste, t));

    // Another machine starts and brings back a séance of this pupil written there while the share was gone.
    const QString m = dossier_monoposte_etablissement(r);
    ASSERT_TRUE(QDir().mkpath(m));
    const QStringList ailleurs {
        QStringLiteral("Séance du Lundi 02/12/2024 de 16:00:00 à 16:30:00 sur le poste \"Y\""),
        test_ligne(QStringLiteral("16:01:00"))};
    ASSERT_TRUE(ecrit_lignes(m + QStringLiteral("/Dupont_Marie.txt"), ailleurs));
    ASSERT_TRUE(nettoie_doublons_monoposte_serveur(r, [](const QString& f) {
        return QFile::remove(f);
    }).erreurs.isEmpty());

    const QString t2 = test_ligne(QStringLiteral("14:10:00"));
    ASSERT_TRUE(ajoute_activite(e, r, a(14, 12, 0), poste, t2));
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 13, 0), poste));
    EXPECT_EQ(fichier(), anciennes + ailleurs + QStringList({entete(QStringLiteral("14:13:00")), t, t2}));
}

TEST_F(Ecole, une_seance_enregistree_a_la_fin_seulement_suit_le_meme_chemin)
{
    const QString t = test_ligne(QStringLiteral("14:03:02"));
    e.seance_en_cours = {t};
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_EQ(fichier(), anciennes + QStringList({entete(QStringLiteral("14:20:47")), t}));
}

TEST_F(Ecole, rien_n_est_ecrit_sans_eleve_identifie)
{
    e.identite.prenom.clear();
    e.seance_en_cours = {test_ligne(QStringLiteral("14:03:02"))};
    QFile::remove(e.identite.chemin_historique);
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_FALSE(QFile::exists(e.identite.chemin_historique));
}

TEST_F(Ecole, un_nouvel_eleve_sans_activite_a_un_fichier_vide_et_son_raccourci)
{
    QFile::remove(e.identite.chemin_historique);
    e.historique.clear();
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_EQ(lit_lignes(e.identite.chemin_historique), QStringList {});
    EXPECT_EQ(cible_raccourci(chemin_raccourci(e.identite.dossier_classe, QStringLiteral("Dupont_Marie"))),
        e.identite.chemin_historique);
}

TEST_F(Ecole, un_raccourci_existant_reste_tel_quel_et_hors_classe_suit_l_eleve)
{
    const QString lnk = chemin_raccourci(e.identite.dossier_classe, QStringLiteral("Dupont_Marie"));
    ASSERT_TRUE(ecrit_lignes(lnk, {QStringLiteral("ailleurs")}));
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_EQ(cible_raccourci(lnk), QStringLiteral("ailleurs"));

    // Without a class, the pupil is listed under "aucune" with the same history file.
    e.identite.classe.clear();
    e.identite.dossier_classe.clear();
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_EQ(eleves_hors_classe(r.dossier_etablissement), QStringList {QStringLiteral("Dupont_Marie.txt")});
    EXPECT_EQ(cible_raccourci(chemin_raccourci(
                  dossier_hors_classe(r.dossier_etablissement), QStringLiteral("Dupont_Marie"))),
        e.identite.chemin_historique);

    // Back in a class: no longer listed without one.
    e.identite.classe = QStringLiteral("62");
    e.identite.dossier_classe = r.dossier_annee + QStringLiteral("/62");
    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 47), poste));
    EXPECT_TRUE(eleves_hors_classe(r.dossier_etablissement).isEmpty());
}

TEST_F(Ecole, le_serveur_disparu_en_cours_de_seance_puis_retrouve_ne_perd_rien)
{
    const QString t = test_ligne(QStringLiteral("14:03:02"));
    const QString app = ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 84);
    ASSERT_TRUE(ajoute_activite(e, r, a(14, 6, 41), poste, t));

    ASSERT_TRUE(QDir(d.chemin(QStringLiteral("serveur"))).removeRecursively());
    const auto repli = ajoute_activite(e, r, a(14, 19, 59), poste, app);
    ASSERT_TRUE(repli) << qPrintable(repli.erreur);
    EXPECT_TRUE(repli.repli_monoposte);
    EXPECT_FALSE(repli.message.isEmpty());
    EXPECT_FALSE(QDir(d.chemin(QStringLiteral("serveur"))).exists())
        << "the missing share must not be recreated";

    const QString m = dossier_monoposte_etablissement(r);
    const QStringList attendu = anciennes + QStringList {entete(QStringLiteral("14:19:59")), t, app};
    EXPECT_EQ(lit_lignes(m + QStringLiteral("/Dupont_Marie.txt")), attendu);
    EXPECT_TRUE(QFile::exists(m + QStringLiteral("/2024-2025/61/Dupont_Marie.lnk")));

    // Next start, the share is back, holding the séance as it was written before it went away.
    ASSERT_TRUE(cree_dossiers_ecole(r));
    ASSERT_TRUE(ecrit_lignes(
        e.identite.chemin_historique, anciennes + QStringList({entete(QStringLiteral("14:06:41")), t})));
    QStringList jetes;
    const auto n = nettoie_doublons_monoposte_serveur(r, [&](const QString& f) {
        jetes.append(f);
        return QFile::remove(f);
    });
    EXPECT_TRUE(n.envoye_a_la_corbeille);
    EXPECT_TRUE(n.erreurs.isEmpty());
    EXPECT_EQ(fichier(), attendu);
    EXPECT_EQ(cible_raccourci(chemin_raccourci(e.identite.dossier_classe, QStringLiteral("Dupont_Marie"))),
        e.identite.chemin_historique);
    EXPECT_EQ(jetes.size(), 2);
    EXPECT_TRUE(fichiers_du_dossier(m, QStringLiteral("*.txt")).isEmpty());
}

TEST_F(Ecole, sans_aucun_endroit_ou_ecrire_l_echec_est_dit)
{
    r.mode_ecole = false;
    r.dossier_eleves = d.chemin(QStringLiteral("absent"));
    e.identite.chemin_historique = chemin_historique_eleve(r, e.identite.nom_fichier);
    const auto res = ajoute_activite(e, r, a(14, 6, 41), poste, test_ligne(QStringLiteral("14:03:02")));
    EXPECT_FALSE(res);
    EXPECT_FALSE(res.repli_monoposte);
    EXPECT_TRUE(res.erreur.startsWith(QStringLiteral("Ton travail n'a pas pu être enregistré.")));
}

TEST_F(Ecole, le_monoposte_inutilisable_fait_garder_les_fichiers_locaux)
{
    const QString m = dossier_monoposte_etablissement(r);
    ASSERT_TRUE(QDir().mkpath(m));
    ASSERT_TRUE(ecrit_lignes(m + QStringLiteral("/Durand_Paul.txt"), anciennes));
    // The server copy is a folder: it can be neither read nor replaced.
    ASSERT_TRUE(QDir().mkpath(r.dossier_etablissement + QStringLiteral("/Durand_Paul.txt/x")));
    const auto n = nettoie_doublons_monoposte_serveur(r, [](const QString& f) { return QFile::remove(f); });
    EXPECT_FALSE(n.envoye_a_la_corbeille);
    EXPECT_EQ(n.erreurs.size(), 1);
    EXPECT_EQ(lit_lignes(m + QStringLiteral("/Durand_Paul.txt")), anciennes);
}

TEST_F(Ecole, un_historique_illisible_n_est_jamais_remplace_par_la_seance_seule)
{
    // A folder in place of the file: it exists and cannot be read, like a share failing for a moment.
    ASSERT_TRUE(QFile::remove(e.identite.chemin_historique));
    ASSERT_TRUE(QDir().mkpath(e.identite.chemin_historique + QStringLiteral("/x")));
    EXPECT_EQ(charge_historique(e), ChargementHistorique::illisible);
    EXPECT_FALSE(e.nouvel_eleve);
    EXPECT_TRUE(e.historique.isEmpty());

    const QString t = test_ligne(QStringLiteral("14:03:02"));
    const auto res = ajoute_activite(e, r, a(14, 6, 41), poste, t);
    ASSERT_TRUE(res) << qPrintable(res.erreur);
    EXPECT_TRUE(res.repli_monoposte);
    EXPECT_TRUE(QFileInfo(e.identite.chemin_historique).isDir());
    EXPECT_EQ(lit_lignes(dossier_monoposte_etablissement(r) + QStringLiteral("/Dupont_Marie.txt")),
        QStringList({entete(QStringLiteral("14:06:41")), t}));

    r.mode_ecole = false;
    EXPECT_FALSE(EnregistrementSeance(e, r, a(14, 20, 0), poste));
    EXPECT_TRUE(QFileInfo(e.identite.chemin_historique).isDir());
}

TEST_F(Ecole, le_repli_garde_ce_que_le_poste_n_a_pas_encore_rendu_au_serveur)
{
    const QString m = dossier_monoposte_etablissement(r);
    ASSERT_TRUE(QDir().mkpath(m));
    const QStringList pas_rendues {
        QStringLiteral("Séance du Lundi 02/12/2024 de 16:00:00 à 16:30:00 sur le poste \"Y\""),
        test_ligne(QStringLiteral("16:01:00"))};
    ASSERT_TRUE(ecrit_lignes(m + QStringLiteral("/Dupont_Marie.txt"), pas_rendues));
    ASSERT_TRUE(QDir(d.chemin(QStringLiteral("serveur"))).removeRecursively());

    const QString t = test_ligne(QStringLiteral("14:03:02"));
    const QString perf = ligne_perfectionnement(
        QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), QStringLiteral("facile"));
    ASSERT_TRUE(ajoute_activite(e, r, a(14, 6, 41), poste, t).repli_monoposte);
    ASSERT_TRUE(ajoute_activite(e, r, a(14, 19, 59), poste, perf).repli_monoposte);
    const auto lignes = lit_lignes(m + QStringLiteral("/Dupont_Marie.txt")).value();
    EXPECT_EQ(lignes,
        (QStringList {anciennes[0], anciennes[1], pas_rendues[0], pas_rendues[1],
            entete(QStringLiteral("14:19:59")), t, perf}));
}

TEST_F(Ecole, un_historique_en_lf_avec_bom_utf8_est_relu_et_reecrit_sans_rien_perdre)
{
    QFile f(e.identite.chemin_historique);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\xEF\xBB\xBFS\xC3\xA9"
            "ance du Lundi 02/12/2024 de 10:00:00 \xC3\xA0 10:30:00 sur le poste \"X\"\n\tTEST de 10:01:00 "
            "\xC3\xA0 10:06:40 P070903000630\nligne inconnue\n");
    f.close();
    EXPECT_EQ(charge_historique(e), ChargementHistorique::lu);
    ASSERT_EQ(e.historique.size(), 3);
    EXPECT_EQ(e.historique[0], anciennes[0]);
    EXPECT_EQ(recupere_donnees(e.historique, QStringLiteral("table_7"), false, 4, {}).jours_tests.size(), 1);

    ASSERT_TRUE(EnregistrementSeance(e, r, a(14, 20, 0), poste));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("S\xE9"
                                       "ance du Lundi 02/12/2024 de 10:00:00 \xE0 10:30:00"));
    EXPECT_EQ(lit_lignes(e.identite.chemin_historique)->last(), QStringLiteral("ligne inconnue"));
}

TEST_F(Ecole, en_mode_monoposte_le_dossier_de_classe_manquant_est_cree)
{
    r.dossier_etablissement = dossier_monoposte_etablissement(r);
    r.dossier_annee = r.dossier_etablissement + QStringLiteral("/2024-2025");
    e.identite.dossier_classe = r.dossier_annee + QStringLiteral("/61");
    e.identite.chemin_historique = chemin_historique_eleve(r, e.identite.nom_fichier);
    ASSERT_TRUE(QDir().mkpath(r.dossier_etablissement));
    const auto res = ajoute_activite(e, r, a(14, 6, 41), poste, test_ligne(QStringLiteral("14:03:02")));
    ASSERT_TRUE(res) << qPrintable(res.erreur);
    EXPECT_FALSE(res.repli_monoposte);
    EXPECT_EQ(cible_raccourci(chemin_raccourci(e.identite.dossier_classe, QStringLiteral("Dupont_Marie"))),
        e.identite.chemin_historique);
}

// A write killed between its two renames left the history only as its set-aside copy. Whether the pupil
// identifies before or after that, his next recording keeps every earlier séance.
TEST_F(Ecole, un_historique_laisse_de_cote_par_une_ecriture_tuee_n_est_jamais_ecrase)
{
    const QString chemin = e.identite.chemin_historique;
    for (const bool identifie_apres : {true, false}) {
        SCOPED_TRACE(identifie_apres ? "identifié après" : "identifié avant");
        ASSERT_TRUE(ecrit_lignes(chemin, anciennes));
        EtatEleve eleve;
        eleve.identite = e.identite;
        eleve.jour_seance = e.jour_seance;
        eleve.date_seance = e.date_seance;
        eleve.heure_debut = e.heure_debut;
        if (!identifie_apres) {
            ASSERT_EQ(charge_historique(eleve), ChargementHistorique::lu);
        }
        ASSERT_TRUE(QFile::rename(chemin, chemin + QStringLiteral(".tabrix-tmp-ancien")));
        if (identifie_apres) {
            EXPECT_EQ(charge_historique(eleve), ChargementHistorique::lu);
            EXPECT_FALSE(eleve.nouvel_eleve);
        }
        const QString t = test_ligne(QStringLiteral("14:03:02"));
        ASSERT_TRUE(ajoute_activite(eleve, r, a(14, 6, 41), poste, t));
        EXPECT_EQ(fichier(), anciennes + QStringList({entete(QStringLiteral("14:06:41")), t}));
        EXPECT_FALSE(QFile::exists(chemin + QStringLiteral(".tabrix-tmp-ancien")));
    }
}

// The history is what matters: a class shortcut that cannot be written is told, not taken for a lost séance,
// and the next recording makes it.
TEST_F(Ecole, un_raccourci_impossible_n_empeche_pas_l_enregistrement_et_se_refait_ensuite)
{
    const QString dossier_classe = e.identite.dossier_classe;
    ASSERT_TRUE(QDir(dossier_classe).removeRecursively());
    ASSERT_TRUE(ecrit_lignes(dossier_classe, {QStringLiteral("un fichier à la place du dossier")}));
    const QString t = test_ligne(QStringLiteral("14:03:02"));
    const ResultatEnregistrement res = ajoute_activite(e, r, a(14, 6, 41), poste, t);
    EXPECT_TRUE(res.ok);
    EXPECT_FALSE(res.repli_monoposte);
    EXPECT_FALSE(res.avertissement.isEmpty());
    EXPECT_EQ(fichier(), anciennes + QStringList({entete(QStringLiteral("14:06:41")), t}));
    EXPECT_FALSE(QFile::exists(dossier_monoposte_etablissement(r) + QStringLiteral("/Dupont_Marie.txt")));

    ASSERT_TRUE(QFile::remove(dossier_classe));
    const ResultatEnregistrement ensuite = EnregistrementSeance(e, r, a(14, 20, 0), poste);
    EXPECT_TRUE(ensuite.ok);
    EXPECT_TRUE(ensuite.avertissement.isEmpty());
    EXPECT_TRUE(QFile::exists(chemin_raccourci(dossier_classe, e.identite.nom_fichier)));
}
