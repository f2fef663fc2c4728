#include "core/faits.h"
#include "seance/tableau_de_bord.h"

#include <gtest/gtest.h>

namespace {

// A right answer to every product of the table, within the acceptable time.
QString table_reussie(int table)
{
    QString enregistrements;
    for (const QString& code : produits_des_tables(nom_table(table)))
        enregistrements += QLatin1Char('P') + code + QStringLiteral("010") + valeur_produit_4(code);
    return enregistrements;
}

class Selection : public ::testing::Test
{
protected:
    Selection() { m_reglages.temps_reponse_acceptable = 4; }

    void etudie(const QString& objectifs)
    {
        m_eleve.objectifs = objectifs;
        m_tableau.actualise_boutons_tables(objectifs);
        m_tableau.change_produits_etudies();
    }

    Reglages m_reglages;
    EtatEleve m_eleve;
    TableauDeBord m_tableau {m_eleve, m_reglages};
};

TEST_F(Selection, les_boutons_suivent_les_tables_nommees_dans_les_objectifs)
{
    m_tableau.actualise_boutons_tables(QStringLiteral("table_3,table_7,table_9"));
    for (int n = 2; n <= 19; ++n)
        EXPECT_EQ(m_tableau.boutons().enfonce(n), n == 3 || n == 7 || n == 9) << n;
    EXPECT_TRUE(m_tableau.boutons().classiques);

    m_tableau.actualise_boutons_tables(QStringLiteral("tables_classiques"));
    for (int n = 2; n <= 19; ++n)
        EXPECT_EQ(m_tableau.boutons().enfonce(n), n <= 9) << n;
    EXPECT_TRUE(m_tableau.boutons().classiques);

    m_tableau.actualise_boutons_tables(QStringLiteral("table_carres,table_13"));
    EXPECT_FALSE(m_tableau.boutons().enfonce(3));
    EXPECT_TRUE(m_tableau.boutons().enfonce(11));
    EXPECT_TRUE(m_tableau.boutons().enfonce(13));
    EXPECT_FALSE(m_tableau.boutons().enfonce(12));
    EXPECT_FALSE(m_tableau.boutons().classiques);
}

TEST_F(Selection, les_produits_etudies_suivent_l_ordre_des_tables_pas_celui_des_clics)
{
    etudie(QStringLiteral("table_2"));
    m_tableau.bascule_table(7, true);
    m_tableau.bascule_table(3, true);
    m_tableau.bascule_table(2, false);
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_3,table_7")));
}

TEST_F(Selection, relacher_toutes_les_tables_classiques_laisse_la_table_de_2)
{
    etudie(QStringLiteral("table_4,table_6"));
    m_tableau.bascule_table(4, false);
    m_tableau.bascule_table(6, false);
    EXPECT_TRUE(m_tableau.boutons().enfonce(2));
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_2")));
    EXPECT_EQ(m_eleve.produits_a_memoriser.size(), 8);
}

TEST_F(Selection, l_etape_suivante_etudie_la_seule_table_la_plus_faible_de_son_groupe)
{
    etudie(QStringLiteral("table_3,table_7,table_carres"));
    m_tableau.etudie_seulement(7);
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_7")));
    EXPECT_FALSE(m_tableau.boutons().enfonce(3));
    EXPECT_TRUE(m_tableau.boutons().enfonce(11)); // the other group keeps its buttons

    m_tableau.etudie_seulement(13);
    EXPECT_FALSE(m_tableau.boutons().classiques);
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_13")));
}

TEST_F(Selection, le_groupe_etendu_sans_bouton_enfonce_etudie_les_carres)
{
    etudie(QStringLiteral("table_5"));
    m_tableau.choisit_groupe(false);
    EXPECT_TRUE(m_tableau.boutons().enfonce(11));
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_carres")));
    // Back to the classic group: its own buttons were kept.
    m_tableau.choisit_groupe(true);
    EXPECT_EQ(m_eleve.produits_etudies, produits_des_tables(QStringLiteral("table_5")));
}

TEST_F(Selection, tables_entieres_arrondit_aux_tables_du_classement_et_garde_au_moins_une)
{
    // The products asked, rounded to whole tables of the ranking: at least one, at most all of them.
    struct Cas
    {
        QString objectifs;
        int demande;
        int tables;
    };
    for (const Cas& c : {Cas {QStringLiteral("table_2,table_3,table_4"), 10, 2},
             Cas {QStringLiteral("table_2,table_3"), 0, 1}, Cas {QStringLiteral("table_2,table_3"), 50, 2}}) {
        etudie(c.objectifs);
        m_eleve.memorisation = {c.demande, false, 1};
        m_tableau.etudier_tables_entieres();
        EXPECT_EQ(m_eleve.memorisation.nombre_tables, c.tables) << c.demande;
        EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 8 * c.tables) << c.demande;
        EXPECT_TRUE(m_eleve.memorisation.tables_entieres);
        EXPECT_EQ(m_eleve.produits_a_memoriser.size(), 8 * c.tables) << c.demande;
    }
}

TEST_F(Selection, plus_et_moins_en_tables_entieres_comptent_des_tables_du_classement)
{
    etudie(QStringLiteral("table_2,table_carres,table_12"));
    // Only table 2 is in the classic group; the extended group studies the squares and table 12 (9 + 9).
    m_tableau.choisit_groupe(false);
    m_eleve.memorisation = {9, true, 1};
    m_tableau.plus();
    EXPECT_EQ(m_eleve.memorisation.nombre_tables, 2);
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 18);
    m_tableau.plus();
    EXPECT_EQ(m_eleve.memorisation.nombre_tables, 2) << "no more tables than the ranking holds";
    m_tableau.moins();
    EXPECT_EQ(m_eleve.memorisation.nombre_tables, 1);
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 9);
    m_tableau.moins();
    EXPECT_EQ(m_eleve.memorisation.nombre_tables, 1) << "an unmastered table is not dropped";
}

TEST_F(Selection, moins_sur_une_seule_table_parfaite_va_a_zero_table_mais_la_selection_la_garde)
{
    m_eleve.dernier_test = table_reussie(2);
    etudie(QStringLiteral("table_2"));
    ASSERT_EQ(m_eleve.classement_tables, QStringList {QStringLiteral("table_2=100")});
    m_eleve.memorisation = {8, true, 1};
    m_tableau.moins();
    EXPECT_EQ(m_eleve.memorisation.nombre_tables, 0);
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 0);
    EXPECT_EQ(m_eleve.produits_a_memoriser.size(), 8);
}

TEST_F(Selection, en_trous_plus_et_moins_restent_entre_zero_et_le_nombre_de_produits_etudies)
{
    etudie(QStringLiteral("table_2"));
    m_eleve.memorisation = {1, false, 1};
    m_tableau.etudier_trous();
    m_tableau.moins();
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 0);
    EXPECT_TRUE(m_eleve.produits_a_memoriser.isEmpty());
    m_tableau.moins();
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 0);
    for (int i = 0; i < 12; ++i)
        m_tableau.plus();
    EXPECT_EQ(m_eleve.memorisation.nombre_voulu, 8);
    EXPECT_EQ(m_eleve.produits_a_memoriser.size(), 8);
    m_tableau.moins();
    EXPECT_EQ(m_eleve.produits_a_memoriser.size(), 7);
}

TEST_F(Selection, en_trous_les_produits_maitrises_ne_sont_pas_choisis)
{
    m_eleve.dernier_test = table_reussie(2);
    etudie(QStringLiteral("table_2,table_3"));
    m_eleve.memorisation = {16, false, 1};
    m_tableau.etudier_trous();
    EXPECT_EQ(m_eleve.produits_a_memoriser, produits_des_tables(QStringLiteral("table_3")));
}

TEST(Label2, le_nombre_et_sa_bulle_au_singulier_jusqu_a_un)
{
    EXPECT_EQ(TableauDeBord::texte_label2(16), QStringLiteral("16"));
    EXPECT_EQ(TableauDeBord::bulle_label2(0), QStringLiteral("0 produit à apprendre"));
    EXPECT_EQ(TableauDeBord::bulle_label2(1), QStringLiteral("1 produit à apprendre"));
    EXPECT_EQ(TableauDeBord::bulle_label2(2), QStringLiteral("2 produits à apprendre"));
}

} // namespace
