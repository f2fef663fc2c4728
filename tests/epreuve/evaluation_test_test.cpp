#include "core/faits.h"
#include "epreuve/evaluation_test.h"

#include <gtest/gtest.h>

namespace {

constexpr int T = 4;

QString juste(const QString& code, int dixiemes = 20)
{
    return QLatin1Char('P') + code + zeros_devant(dixiemes, 3) + valeur_produit_4(code);
}

QString faux(const QString& code)
{
    return QLatin1Char('P') + code + QStringLiteral("0200000");
}

// Every product of the tables right and fast.
QString parfait(const QString& tables)
{
    QString r;
    for (const QString& c : produits_des_tables(tables))
        r += juste(c);
    return r;
}

// A table at 40 %: three right, one right but very slow (25), four wrong.
QString table_a_40(int t)
{
    const QStringList codes = produits_des_tables(nom_table(t));
    QString r;
    for (int i = 0; i < codes.size(); ++i)
        r += i < 3 ? juste(codes[i]) : (i == 3 ? juste(codes[i], 100) : faux(codes[i]));
    return r;
}

QString ligne(const QString& enregistrements)
{
    return QStringLiteral("\tTEST de 10:02:03 à 10:12:00 ") + enregistrements;
}

} // namespace

TEST(EvaluationTest, tables_3_et_7_a_40_conseillent_la_table_de_3)
{
    QString r = parfait(QStringLiteral("table_2,table_4,table_5,table_6,table_8,table_9"));
    r = table_a_40(7) + r + table_a_40(3);
    const EvaluationTest e = evalue_test(r, true, T);
    EXPECT_EQ(e.tables_mal, QStringList({QStringLiteral("40=3"), QStringLiteral("40=7")}));
    // The texts of this case are checked on the result panel (ttest_resultat_test.cpp).
    EXPECT_EQ(e.score, (6 * 800 + 2 * 325) / 64);
    EXPECT_EQ(e.niveau, QStringLiteral("bien"));
}

TEST(EvaluationTest, une_seule_table_faible_se_dit_au_singulier_sans_point)
{
    const QString r
        = parfait(QStringLiteral("table_2,table_3,table_4,table_5,table_6,table_8,table_9")) + table_a_40(7);
    const EvaluationTest e = evalue_test(r, true, T);
    EXPECT_EQ(e.texte_mal, QStringLiteral("7"));
    EXPECT_EQ(e.libelle_mal, QStringLiteral("la table de "));
    EXPECT_EQ(e.table_conseil, 7);
}

TEST(EvaluationTest, les_mots_de_niveau_suivent_les_bandes)
{
    // 100 products cannot be built from tables, so check the bands on scores the records give.
    const QStringList codes = produits_des_tables(QStringLiteral("tables_classiques"));
    auto score_de = [&](int justes, int lents) {
        QString r;
        for (int i = 0; i < codes.size(); ++i)
            r += i < justes ? juste(codes[i]) : (i < justes + lents ? juste(codes[i], 60) : faux(codes[i]));
        return evalue_test(r, true, T);
    };
    // 54 right + 0 slow: 5400/64 = 84.
    EXPECT_EQ(score_de(54, 0).score, 84);
    EXPECT_EQ(score_de(54, 0).niveau, QStringLiteral("passable"));
    // 54 right + 2 slow (50): 5500/64 = 85.
    EXPECT_EQ(score_de(54, 2).score, 85);
    EXPECT_EQ(score_de(54, 2).niveau, QStringLiteral("bien"));
    // 60 right + 2 slow: 6100/64 = 95.
    EXPECT_EQ(score_de(60, 2).niveau, QStringLiteral("très bien"));
    // 63 right + 1 slow: 6350/64 = 99.
    EXPECT_EQ(score_de(63, 1).score, 99);
    EXPECT_EQ(score_de(63, 1).niveau, QStringLiteral("très bien"));
    EXPECT_EQ(score_de(6, 0).largeur_pourcent, 77);
    EXPECT_EQ(score_de(63, 1).largeur_pourcent, 101);
}

TEST(EvaluationTest, un_test_des_carres_n_est_pas_classique)
{
    const EvaluationTest e = evalue_test(parfait(QStringLiteral("table_carres")), false, T);
    EXPECT_FALSE(e.classique);
    EXPECT_TRUE(e.tables_mal.isEmpty());
    EXPECT_TRUE(e.tables_bien.isEmpty());
}

TEST(EvaluationTest, la_selection_complete_est_exactement_les_tables_2_a_9)
{
    EXPECT_TRUE(selection_complete(produits_des_tables(QStringLiteral("tables_classiques"))));
    EXPECT_FALSE(selection_complete(produits_des_tables(QStringLiteral("table_2,table_3"))));
    EXPECT_FALSE(selection_complete(produits_des_tables(QStringLiteral("tables_classiques,table_carres"))));
}

TEST(EvaluationTest, record_battu_demande_le_premier_rang_une_longue_liste_et_un_tres_bon_niveau)
{
    EXPECT_TRUE(record_battu(1, 31, QStringLiteral("parfait")));
    EXPECT_TRUE(record_battu(1, 31, QStringLiteral("très bien")));
    EXPECT_FALSE(record_battu(1, 30, QStringLiteral("parfait")));
    EXPECT_FALSE(record_battu(2, 40, QStringLiteral("parfait")));
    EXPECT_FALSE(record_battu(1, 40, QStringLiteral("bien")));
}

TEST(EvaluationTest, le_premier_test_du_jour_passe_au_tableau_de_bord_le_second_non)
{
    EtatEleve eleve;
    eleve.objectifs = QStringLiteral("table_3,table_7");
    eleve.produits_etudies = produits_des_tables(eleve.objectifs);
    eleve.memorisation.tables_entieres = false;
    eleve.memorisation.nombre_voulu = 3;
    const QString premier = ligne(table_a_40(3) + parfait(QStringLiteral("table_7")));

    EXPECT_TRUE(remet_test_a_l_eleve(eleve, premier, QStringLiteral("Mardi 03/12/2024"), T));
    EXPECT_TRUE(eleve.seance_deja_aujourdhui);
    EXPECT_TRUE(eleve.test_fait);
    ASSERT_EQ(eleve.jours_tests.size(), 1);
    EXPECT_EQ(eleve.jours_tests[0].cle, QStringLiteral("Mardi 03/12/2024"));
    EXPECT_EQ(eleve.jours_tests[0].pourcentage, (325 + 800) / 16);
    EXPECT_EQ(eleve.lignes_tests_retenues, QStringList {premier});
    EXPECT_EQ(eleve.dernier_test, premier.mid(29));
    EXPECT_EQ(eleve.classement_tables.first(), QStringLiteral("table_3=040"));
    // Weakest table below 85: whole tables, 8 products, the table of 3.
    EXPECT_TRUE(eleve.memorisation.tables_entieres);
    EXPECT_EQ(eleve.memorisation.nombre_voulu, 8);
    EXPECT_EQ(eleve.produits_a_memoriser, produits_des_tables(QStringLiteral("table_3")));

    const EtatEleve avant = eleve;
    const QString second = ligne(parfait(QStringLiteral("table_3,table_7")));
    EXPECT_FALSE(remet_test_a_l_eleve(eleve, second, QStringLiteral("Mardi 03/12/2024"), T));
    EXPECT_EQ(eleve.jours_tests.size(), 1);
    EXPECT_EQ(eleve.dernier_test, avant.dernier_test);
    EXPECT_EQ(eleve.memorisation.tables_entieres, avant.memorisation.tables_entieres);
    EXPECT_EQ(eleve.produits_a_memoriser, avant.produits_a_memoriser);
}

TEST(EvaluationTest, un_bon_premier_test_passe_aux_trous_et_un_test_etendu_ne_touche_pas_le_graphique)
{
    EtatEleve eleve;
    eleve.objectifs = QStringLiteral("table_carres");
    eleve.produits_etudies = produits_des_tables(eleve.objectifs);
    EXPECT_TRUE(remet_test_a_l_eleve(
        eleve, ligne(parfait(QStringLiteral("table_carres"))), QStringLiteral("Mardi 03/12/2024"), T));
    EXPECT_FALSE(eleve.memorisation.tables_entieres);
    EXPECT_TRUE(eleve.produits_a_memoriser.isEmpty());
    EXPECT_TRUE(eleve.jours_tests.isEmpty());
    EXPECT_TRUE(eleve.lignes_tests_retenues.isEmpty());
}

TEST(EvaluationTest, etape_suivante_va_a_la_table_la_plus_faible)
{
    EXPECT_EQ(table_etape_suivante({QStringLiteral("table_7=040"), QStringLiteral("table_3=080")}), 7);
    EXPECT_EQ(table_etape_suivante({QStringLiteral("table_carres=040")}), 11);
    EXPECT_EQ(table_etape_suivante({}), 0);
}
