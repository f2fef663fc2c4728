#include "banc_session.h"
#include "core/faits.h"
#include "storage/dossiers.h"

#include <QFileInfo>

namespace {

const QString entete_lundi
    = QStringLiteral("Séance du Lundi 02/12/2024 de 10:00:00 à 10:20:00 sur le poste \"P\"");

// A test of the table of 7: six fast right answers, then the last two products answered with the given times.
QString test_table_7(int dixiemes_8, int dixiemes_9, const QString& debut = QStringLiteral("10:01:00"),
    const QString& fin = QStringLiteral("10:05:00"))
{
    QString r;
    for (int b = 2; b <= 7; ++b)
        r += enregistrement_reponse(QStringLiteral("07%1").arg(b, 2, 10, QLatin1Char('0')), 20, 7 * b);
    r += enregistrement_reponse(QStringLiteral("0708"), dixiemes_8, 56);
    r += enregistrement_reponse(QStringLiteral("0709"), dixiemes_9, 63);
    return ligne_test(debut, fin, r);
}

// The test of today's séance, which starts at 14:02:10.
QString test_du_jour()
{
    return test_table_7(20, 20, QStringLiteral("14:03:00"), QStringLiteral("14:06:00"));
}

} // namespace

class SessionEleve : public BancSession
{
protected:
    void SetUp() override
    {
        BancSession::SetUp();
        ecrit_configuration(
            poste(), {{cles::parametres, cles::objectifs_classiques_defaut, QStringLiteral("table_7")}});
    }

    QString historique(const QString& nom_fichier) const
    {
        return poste() + QStringLiteral("/Eleves/") + nom_fichier + QStringLiteral(".txt");
    }
};

TEST_F(SessionEleve, a_partir_de_85_a_la_table_la_plus_faible_l_eleve_travaille_les_trous)
{
    // T = 4 s: 8 s gives half marks, 12 s a quarter. Table of 7: (600 + 50 + 50) / 8 = 87.
    QDir().mkpath(poste() + QStringLiteral("/Eleves"));
    ASSERT_TRUE(
        ecrit_lignes(historique(QStringLiteral("Dupont_Marie")), {entete_lundi, test_table_7(80, 80)}).ok);
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_session_eleve(identite(QStringLiteral("Dupont"), QStringLiteral("Marie")));

    EXPECT_FALSE(s.eleve().nouvel_eleve);
    ASSERT_EQ(s.eleve().jours_tests.size(), 1);
    EXPECT_EQ(s.eleve().classement_tables.first(), QStringLiteral("table_7=087"));
    EXPECT_FALSE(s.eleve().memorisation.tables_entieres);
    EXPECT_EQ(s.eleve().memorisation.nombre_voulu, 8);
    EXPECT_EQ(s.eleve().memorisation.nombre_tables, 1);
    EXPECT_EQ(s.eleve().produits_a_memoriser,
        selection_produits(ModeSelection::trous, 8, s.eleve().produits_etudies, s.eleve().dernier_test, 4));

    // (600 + 50 + 25) / 8 = 84: whole tables.
    ASSERT_TRUE(
        ecrit_lignes(historique(QStringLiteral("Martin_Léa")), {entete_lundi, test_table_7(80, 120)}).ok);
    s.changement_eleve();
    s.initialise_session_eleve(identite(QStringLiteral("Martin"), QStringLiteral("Léa")));
    EXPECT_EQ(s.eleve().classement_tables.first(), QStringLiteral("table_7=084"));
    EXPECT_TRUE(s.eleve().memorisation.tables_entieres);
    EXPECT_EQ(s.eleve().memorisation.nombre_voulu, 8);
}

TEST_F(SessionEleve, un_nouvel_eleve_n_a_pas_de_graphique_et_apprend_des_tables_entieres)
{
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_session_eleve(identite(QStringLiteral("Martin"), QStringLiteral("Léa")));
    EXPECT_TRUE(s.eleve().nouvel_eleve);
    EXPECT_TRUE(s.eleve().jours_tests.isEmpty());
    EXPECT_TRUE(s.eleve().dernier_test.isEmpty());
    EXPECT_TRUE(s.eleve().memorisation.tables_entieres);
    EXPECT_EQ(s.eleve().produits_a_memoriser.size(), 8);
    EXPECT_EQ(s.eleve().identite.chemin_historique, historique(QStringLiteral("Martin_Léa")));
}

TEST_F(SessionEleve, un_historique_illisible_n_est_jamais_remplace)
{
    // A folder where the file should be: it exists, and cannot be read as lines.
    ASSERT_TRUE(QDir().mkpath(historique(QStringLiteral("Dupont_Marie")) + QStringLiteral("/garde")));
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_session_eleve(identite(QStringLiteral("Dupont"), QStringLiteral("Marie")));
    EXPECT_FALSE(s.eleve().nouvel_eleve);
    EXPECT_EQ(messages.compte(QStringLiteral("Enregistrement")), 1);

    s.ajoute_activite(test_du_jour());
    s.ajoute_activite(QStringLiteral("\tPERFECTIONNEMENT de 14:10:00 à 14:15:00: facile"));
    EXPECT_FALSE(s.EnregistrementSeance());
    EXPECT_TRUE(QFileInfo(historique(QStringLiteral("Dupont_Marie")) + QStringLiteral("/garde")).isDir());
    EXPECT_EQ(messages.compte(QStringLiteral("Enregistrement")), 2); // the unreadable file, then one failure
}

TEST_F(SessionEleve, les_objectifs_du_niveau_remplacent_ceux_par_defaut)
{
    ecrit_configuration_ecole({{cles::etablissement, cles::objectifs_classiques_niveaux,
        QStringLiteral("sixième<table_2,table_3,table_4,table_5>cinquième<table_6,table_7>")}});
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_ecole();
    const QString dossier_classe = s.reglages().dossier_annee + QStringLiteral("/61");
    s.initialise_session_eleve(identite(QStringLiteral("Dupont"), QStringLiteral("Marie"),
        QStringLiteral("61"), QStringLiteral("sixième"), dossier_classe, s.reglages().dossier_etablissement));

    EXPECT_EQ(s.eleve().objectifs, QStringLiteral("table_2,table_3,table_4,table_5"));
    EXPECT_EQ(s.eleve().produits_etudies.size(), 32);
    EXPECT_EQ(s.objectifs_en_mots(), QStringLiteral("tables de 2, 3, 4 et 5:"));
    EXPECT_TRUE(s.tableau().boutons().enfonce(5));
    EXPECT_FALSE(s.tableau().boutons().enfonce(7));
}

TEST_F(SessionEleve, un_serveur_perdu_ne_laisse_que_l_avis_du_repli_meme_avec_un_fichier_personnel)
{
    ecrit_configuration_ecole();
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_ecole();
    const QString hors_classe = dossier_hors_classe(s.reglages().dossier_etablissement);
    ASSERT_TRUE(QDir().mkpath(hors_classe));
    ASSERT_TRUE(ecrit_lignes(hors_classe + QStringLiteral("/Dupont_Marie.ini"),
        {QStringLiteral("[config perso]"), QStringLiteral("Objectifs tables classiques=table_8"),
            QStringLiteral("ne travailler que les trous=non")}));
    s.initialise_session_eleve(
        identite(QStringLiteral("Dupont"), QStringLiteral("Marie"), {}, {}, {}, hors_classe));
    ASSERT_EQ(s.eleve().objectifs, QStringLiteral("table_8"));
    ASSERT_TRUE(QDir(serveur()).removeRecursively());

    // Two activities and the closing: the fallback is announced once, every line lands on this machine.
    horloge.avance_ms(4 * 60 * 1000);
    s.ajoute_activite(test_du_jour());
    horloge.avance_ms(9 * 60 * 1000);
    const QString perfectionnement = QStringLiteral("\tPERFECTIONNEMENT de 14:10:00 à 14:15:00: facile");
    s.ajoute_activite(perfectionnement);
    horloge.avance_ms(60 * 1000);
    EXPECT_TRUE(s.EnregistrementSeance());
    ASSERT_EQ(messages.compte(QStringLiteral("Enregistrement")), 1);
    EXPECT_EQ(messages.messages.last().genre, QStringLiteral("information"));
    const QStringList ecrit = lit_lignes(poste() + QStringLiteral("/Eleves/Collège Test/Dupont_Marie.txt"))
                                  .value_or(QStringList());
    ASSERT_EQ(ecrit.size(), 3);
    EXPECT_TRUE(ecrit[0].startsWith(QStringLiteral("Séance du Mardi 03/12/2024 de 14:02:10 à 14:16:10")));
    EXPECT_TRUE(ecrit[0].endsWith(QStringLiteral("sur le poste \"POSTE-12\"")));
    EXPECT_EQ(ecrit[1], test_du_jour());
    EXPECT_EQ(ecrit[2], perfectionnement);
}

TEST_F(SessionEleve, un_nom_d_etablissement_trop_long_pour_un_dossier_n_empeche_pas_d_enregistrer_les_seances)
{
    const QString nom = QStringLiteral("Collège ") + QStringLiteral("x").repeated(300);
    ecrit_configuration_ecole({{cles::etablissement, cles::nom, nom}});
    Session& s = nouvelle_session();
    s.initialise_session();
    s.initialise_ecole();
    const QString etablissement = serveur() + QStringLiteral("/Tabrix/Eleves/") + nom.left(64);
    EXPECT_EQ(s.reglages().dossier_etablissement, etablissement);
    EXPECT_EQ(messages.compte(cles::fichier), 1);
    s.initialise_session_eleve(
        identite(QStringLiteral("Dupont"), QStringLiteral("Marie"), QStringLiteral("61"),
            QStringLiteral("sixième"), s.reglages().dossier_annee + QStringLiteral("/61"), etablissement));
    s.ajoute_activite(test_du_jour());
    EXPECT_TRUE(s.EnregistrementSeance());
    EXPECT_EQ(messages.compte(QStringLiteral("Enregistrement")), 0);
    EXPECT_EQ(
        lit_lignes(etablissement + QStringLiteral("/Dupont_Marie.txt")).value_or(QStringList()).size(), 2);
    s.changement_eleve();
    EXPECT_EQ(messages.compte(cles::fichier), 1); // told once, not at every pupil
}
