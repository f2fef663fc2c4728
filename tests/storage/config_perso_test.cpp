#include "storage/config_perso.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"

#include "core/faits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ConfigPerso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_reglages.configuration_personnelle = true;
        m_reglages.trous_par_defaut = false;
        m_reglages.objectifs_par_defaut = cles::objectifs_classiques_tous;
    }

    // A pupil as identification leaves him: level objectives in place, per-pupil file read.
    EtatEleve eleve(const QString& nom)
    {
        EtatEleve e;
        e.identite.nom_fichier = nom;
        e.identite.dossier_liste = m_dossier.chemin();
        e.objectifs = m_reglages.objectifs_par_defaut;
        e.produits_etudies = produits_des_tables(e.objectifs);
        lit_config_perso(m_reglages, e);
        return e;
    }

    QString chemin(const QString& nom) const { return m_dossier.chemin(nom + QStringLiteral(".ini")); }

    void ecrit(const QString& nom, const QByteArray& octets) const
    {
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }

    DossierTest m_dossier;
    Reglages m_reglages;
};

} // namespace

TEST_F(ConfigPerso, une_liste_compacte_donne_ses_produits_et_le_nom_de_sa_table)
{
    ecrit(QStringLiteral("Dupont_Léa"), "[config perso]\r\nObjectifs tables classiques=7x<2-9>\r\n");
    const EtatEleve e = eleve(QStringLiteral("Dupont_Léa"));
    EXPECT_TRUE(e.fichier_perso_existe);
    EXPECT_EQ(
        e.produits_etudies, (QStringList {"0702", "0703", "0704", "0705", "0706", "0707", "0708", "0709"}));
    EXPECT_EQ(e.objectifs, QStringLiteral("table_7"));
}

TEST_F(ConfigPerso, des_noms_de_tables_remplacent_les_objectifs_du_niveau)
{
    ecrit(QStringLiteral("a"),
        "[CONFIG PERSO]\r\nobjectifs tables classiques=table_3,table_carres\r\n"
        "ne travailler que les trous=oui\r\n");
    const EtatEleve e = eleve(QStringLiteral("a"));
    EXPECT_EQ(e.objectifs, QStringLiteral("table_3,table_carres"));
    EXPECT_EQ(e.produits_etudies.size(), 8 + 9);
    EXPECT_EQ(e.preference_trous, QStringLiteral("oui"));
}

TEST_F(ConfigPerso, des_objectifs_vides_etoile_ou_inconnus_laissent_ceux_du_niveau)
{
    for (const QByteArray& valeur :
        {QByteArray("*"), QByteArray(""), QByteArray("table_99"), QByteArray("zz"), QByteArray("1x<1>")}) {
        ecrit(QStringLiteral("b"),
            "[config perso]\r\nObjectifs tables classiques=" + valeur
                + "\r\nne travailler que les trous=peut-etre\r\n");
        const EtatEleve e = eleve(QStringLiteral("b"));
        EXPECT_EQ(e.produits_etudies.size(), 64) << valeur.constData();
        EXPECT_EQ(e.objectifs, cles::objectifs_classiques_tous);
        EXPECT_EQ(e.preference_trous, QStringLiteral("non"));
    }
}

TEST_F(ConfigPerso, sans_autorisation_rien_n_est_lu_ni_ecrit)
{
    m_reglages.configuration_personnelle = false;
    ecrit(QStringLiteral("c"), "[config perso]\r\nObjectifs tables classiques=table_2\r\n");
    EtatEleve e = eleve(QStringLiteral("c"));
    EXPECT_EQ(e.produits_etudies.size(), 64);
    e.produits_etudies = produits_des_tables(QStringLiteral("table_5"));
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    EXPECT_EQ(FichierIni(chemin("c")).lit_texte(cles_perso::section, cles_perso::objectifs),
        QStringLiteral("table_2"));
}

TEST_F(ConfigPerso, un_eleve_aux_choix_par_defaut_n_a_pas_de_fichier_puis_le_garde_une_fois_cree)
{
    EtatEleve e = eleve(QStringLiteral("Martin_Paul"));
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    EXPECT_FALSE(QFile::exists(chemin("Martin_Paul")));

    e.produits_etudies = produits_des_tables(QStringLiteral("table_2,table_3"));
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    EXPECT_TRUE(e.fichier_perso_existe);
    EXPECT_EQ(FichierIni(chemin("Martin_Paul")).lit_texte(cles_perso::section, cles_perso::objectifs),
        QStringLiteral("table_2,table_3"));

    // Back to the defaults in a later séance: the file is updated, not forgotten.
    EtatEleve plus_tard = eleve(QStringLiteral("Martin_Paul"));
    plus_tard.produits_etudies = produits_des_tables(cles::objectifs_classiques_tous);
    ASSERT_TRUE(ecrit_config_perso(m_reglages, plus_tard));
    const FichierIni relu(chemin("Martin_Paul"));
    EXPECT_EQ(relu.lit_texte(cles_perso::section, cles_perso::objectifs), cles::objectifs_classiques_tous);
    EXPECT_EQ(relu.lit_texte(cles_perso::section, cles_perso::trous), QStringLiteral("non"));
}

TEST_F(ConfigPerso, la_preference_d_un_eleve_ne_passe_pas_au_suivant)
{
    ecrit(QStringLiteral("premier"),
        "[config perso]\r\nObjectifs tables classiques=*\r\n"
        "ne travailler que les trous=oui\r\n");
    EtatEleve e = eleve(QStringLiteral("premier"));
    EXPECT_EQ(e.preference_trous, QStringLiteral("oui"));
    // The next pupil of the same run starts again from the default, so he gets no file.
    e.identite.nom_fichier = QStringLiteral("second");
    lit_config_perso(m_reglages, e);
    EXPECT_EQ(e.preference_trous, QStringLiteral("non"));
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    EXPECT_FALSE(QFile::exists(chemin("second")));
}

TEST_F(ConfigPerso, une_partie_de_table_est_ecrite_en_liste_compacte_et_le_reste_du_fichier_garde)
{
    ecrit(QStringLiteral("d"),
        "; notes du professeur\r\n[config perso]\r\nObjectifs tables classiques=*\r\n"
        "[autre]\r\nx=1\r\n");
    EtatEleve e = eleve(QStringLiteral("d"));
    e.produits_etudies = lit_liste_compacte(QStringLiteral("7x<2-5>,8x<2-9>"));
    e.preference_trous = QStringLiteral("oui");
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    const FichierIni relu(chemin("d"));
    EXPECT_EQ(relu.lignes().first(), QStringLiteral("; notes du professeur"));
    EXPECT_EQ(relu.lit_texte(QStringLiteral("autre"), QStringLiteral("x")), QStringLiteral("1"));
    EXPECT_EQ(relu.lit_texte(cles_perso::section, cles_perso::objectifs), QStringLiteral("7x<2-5>,8x<2-9>"));
    EXPECT_EQ(relu.lit_texte(cles_perso::section, cles_perso::trous), QStringLiteral("oui"));
    EXPECT_EQ(eleve(QStringLiteral("d")).produits_etudies.size(), 4 + 8);
}

TEST_F(ConfigPerso, le_fichier_est_dans_le_dossier_ou_l_eleve_a_ete_trouve)
{
    IdentiteEleve id;
    EXPECT_EQ(chemin_config_perso(id), QString());
    id.nom_fichier = QStringLiteral("Durand_Zoé");
    id.chemin_historique = QStringLiteral("C:\\Tabrix\\Eleves\\Durand_Zoé.txt");
    EXPECT_EQ(chemin_config_perso(id), QStringLiteral("C:/Tabrix/Eleves/Durand_Zoé.ini"));
    id.dossier_liste = QStringLiteral("/srv/eleves/Hors classe");
    EXPECT_EQ(chemin_config_perso(id), QStringLiteral("/srv/eleves/Hors classe/Durand_Zoé.ini"));
}

TEST_F(ConfigPerso, le_temps_amenage_est_lu_meme_sans_configuration_personnelle_et_cree_son_fichier)
{
    m_reglages.configuration_personnelle = false;
    EXPECT_EQ(eleve(QStringLiteral("Petit_Léo")).amenagement, Amenagement::aucun);
    ASSERT_TRUE(ecrit_amenagement(chemin("Petit_Léo"), Amenagement::tiers));
    const EtatEleve e = eleve(QStringLiteral("Petit_Léo"));
    EXPECT_EQ(e.amenagement, Amenagement::tiers);
    EXPECT_EQ(e.produits_etudies.size(), 64);
    EXPECT_EQ(lit_amenagement(chemin("Petit_Léo")), Amenagement::tiers);
    // The next pupil of the same run does not inherit it.
    EXPECT_EQ(eleve(QStringLiteral("Autre_Eve")).amenagement, Amenagement::aucun);
}

TEST_F(ConfigPerso, une_machine_qui_ignore_le_temps_amenage_lit_le_fichier_et_le_garde_en_ecrivant)
{
    ecrit(QStringLiteral("e"),
        "[config perso]\r\nObjectifs tables classiques=table_6\r\nTemps am\xe9nag\xe9=+1/2\r\n"
        "ne travailler que les trous=oui\r\n");
    // What a machine without the key reads: the objectives and the preference, the extra line ignored.
    EtatEleve ancien;
    applique_config_perso(FichierIni(chemin("e")), ancien);
    EXPECT_EQ(ancien.objectifs, QStringLiteral("table_6"));
    EXPECT_EQ(ancien.preference_trous, QStringLiteral("oui"));
    // Its end-of-séance write changes its own keys and leaves the teacher's line in place.
    EtatEleve e = eleve(QStringLiteral("e"));
    EXPECT_EQ(e.amenagement, Amenagement::moitie);
    e.produits_etudies = produits_des_tables(QStringLiteral("table_8"));
    ASSERT_TRUE(ecrit_config_perso(m_reglages, e));
    EXPECT_EQ(lit_amenagement(chemin("e")), Amenagement::moitie);
    EXPECT_EQ(FichierIni(chemin("e")).lit_texte(cles_perso::section, cles_perso::objectifs),
        QStringLiteral("table_8"));
    // Back to none: the key says so, the file stays.
    ASSERT_TRUE(ecrit_amenagement(chemin("e"), Amenagement::aucun));
    EXPECT_EQ(eleve(QStringLiteral("e")).amenagement, Amenagement::aucun);
    EXPECT_EQ(eleve(QStringLiteral("e")).objectifs, QStringLiteral("table_8"));
}

TEST_F(ConfigPerso, un_fichier_illisible_n_est_pas_remplace_par_le_temps_amenage)
{
    // A folder where the file should be: present, but nothing can be read from it.
    ASSERT_TRUE(QDir().mkpath(chemin("f")));
    EXPECT_EQ(lit_amenagement(chemin("f")), Amenagement::aucun);
    const Ecriture e = ecrit_amenagement(chemin("f"), Amenagement::double_temps);
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_TRUE(QFileInfo(chemin("f")).isDir());
}

TEST_F(ConfigPerso, un_eleve_hors_classe_a_le_temps_que_la_console_a_mis_a_cote_de_son_historique)
{
    // Found in "Hors classe", his history (and the file the console writes) in the establishment's folder.
    ASSERT_TRUE(QDir().mkpath(m_dossier.chemin(QStringLiteral("Hors classe"))));
    ASSERT_TRUE(ecrit_amenagement(chemin("Seul_Ali"), Amenagement::double_temps));
    EtatEleve e;
    e.identite.nom_fichier = QStringLiteral("Seul_Ali");
    e.identite.dossier_liste = m_dossier.chemin(QStringLiteral("Hors classe"));
    e.identite.chemin_historique = m_dossier.chemin(QStringLiteral("Seul_Ali.txt"));
    lit_config_perso(m_reglages, e);
    EXPECT_EQ(e.amenagement, Amenagement::double_temps);
    EXPECT_FALSE(e.fichier_perso_existe);
}

TEST_F(ConfigPerso, le_fichier_d_un_historique_est_a_cote_de_lui)
{
    EXPECT_EQ(chemin_config_perso_de_historique(QStringLiteral("/srv/Tabrix/Collège/Durand_Zoé.txt")),
        QStringLiteral("/srv/Tabrix/Collège/Durand_Zoé.ini"));
    EXPECT_EQ(chemin_config_perso_de_historique(QStringLiteral("C:\\Eleves\\Le.Roy_Ana.txt")),
        QStringLiteral("C:/Eleves/Le.Roy_Ana.ini"));
}
