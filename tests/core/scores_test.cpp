#include "core/faits.h"

#include <gtest/gtest.h>

namespace {

// One answer record: "P" + code + time in tenths (3) + answer (4).
QString rep(const QString& code, int dixiemes, int reponse)
{
    return u'P' + code + zeros_devant(dixiemes, 3) + zeros_devant(reponse, 4);
}

// Every product of the named tables answered right within the acceptable time.
QString tout_juste(const QString& tables)
{
    QString run;
    for (const QString& code : produits_des_tables(tables))
        run += rep(code, 10, valeur_produit(code).toInt());
    return run;
}

} // namespace

TEST(DernieresReponses, la_derniere_reponse_a_un_produit_remplace_la_premiere)
{
    const QString run = rep("0709", 42, 63) + rep("0202", 90, 5) + rep("0709", 30, 63);
    const QStringList entrees = dernieres_reponses(run);
    EXPECT_EQ(entrees, (QStringList {"02020900005", "07090300063"}));
    EXPECT_EQ(score_produit(entrees[1], 3), 100);
    EXPECT_EQ(score_produit(entrees[1], 2), 50);
}

TEST(DernieresReponses, une_fin_tronquee_est_ignoree_et_la_liste_est_triee_par_code)
{
    const QString run = rep("0905", 10, 45) + rep("0302", 10, 6) + rep("1113", 10, 143) + "P070904200";
    EXPECT_EQ(dernieres_reponses(run), (QStringList {"03020100006", "09050100045", "11130100143"}));
    EXPECT_TRUE(dernieres_reponses("").isEmpty());
    EXPECT_TRUE(dernieres_reponses("P0709042006").isEmpty());
}

TEST(ScoreProduit, echelle_des_temps_avec_T_egal_3)
{
    const struct
    {
        int dixiemes;
        int score;
    } cas[] = {{0, 100}, {30, 100}, {31, 50}, {60, 50}, {61, 25}, {90, 25}, {91, 12}, {120, 12}, {121, 6},
        {150, 6}, {151, 3}, {180, 3}, {181, 1}, {999, 1}};
    for (const auto& c : cas)
        EXPECT_EQ(score_produit(rep("0709", c.dixiemes, 63).mid(1), 3), c.score) << c.dixiemes;
}

TEST(ScoreProduit, reponse_fausse_absente_ou_entree_abimee_vaut_zero)
{
    EXPECT_EQ(score_produit(u"07090100064", 3), 0);
    EXPECT_EQ(score_produit(u"07090100000", 3), 0);
    EXPECT_EQ(score_produit(u"0709010", 3), 0);
    EXPECT_EQ(score_produit(u"07090x00063", 3), 0);
    EXPECT_EQ(score_produit(u"", 3), 0);
    EXPECT_EQ(vitesse_reponse("07090100064"), 0);
    EXPECT_EQ(vitesse_reponse("07090300063"), 20);
    EXPECT_EQ(vitesse_reponse("07090000063"), 600);
}

TEST(DernieresReponses, triees_par_code_meme_avec_un_code_hors_des_tables)
{
    const QString tables
        = rep("1203", 10, 36) + rep("0312", 10, 36) + rep("0219", 10, 38) + rep("0312", 20, 36);
    EXPECT_EQ(dernieres_reponses(tables), (QStringList {"02190100038", "03120200036", "12030100036"}));
    // A code of no table, anywhere in the run, keeps the same rules.
    EXPECT_EQ(dernieres_reponses(rep("2702", 10, 54) + tables + rep("2702", 30, 54)),
        (QStringList {"02190100038", "03120200036", "12030100036", "27020300054"}));
    EXPECT_EQ(dernieres_reponses(tables + rep("07 2", 10, 14)),
        (QStringList {"02190100038", "03120200036", "07 20100014", "12030100036"}));
}

TEST(ScoreTest, moyenne_tronquee_et_run_vide)
{
    // Seven products right and fast, one right but slow (50): (7 * 100 + 50) div 8 = 93.
    QString run = tout_juste("table_7");
    run += rep("0705", 50, 35);
    EXPECT_EQ(score_test(run, 3), 93);
    EXPECT_EQ(pourcentage_tables(run, "table_7", 3), 93);
    EXPECT_EQ(niveau_score(score_test(run, 3)), "bien");
    EXPECT_EQ(score_test("", 3), 0);
    EXPECT_EQ(score_test("P07", 3), 0);
}

TEST(VitesseTest, ligne_du_historique_ou_run_nu_et_temps_nul)
{
    // Two right answers and one wrong over 2 + 4 + 6 = 12 s: 60 * 2 / 12 = 10 per minute.
    const QString run = rep("0702", 20, 14) + rep("0703", 40, 21) + rep("0704", 60, 27);
    EXPECT_EQ(vitesse_test(run), 10);
    const QString ligne = QStringLiteral("\tTEST de 14:03:02 à 14:06:40 ");
    ASSERT_EQ(ligne.size(), 29);
    EXPECT_EQ(vitesse_test(ligne + run), 10);
    EXPECT_EQ(vitesse_test(rep("0702", 0, 14)), 0);
    EXPECT_EQ(vitesse_test(u""), 0);
    // 60 * 1 / 7 = 8.57…: rounded to the nearest.
    EXPECT_EQ(vitesse_test(rep("0702", 70, 14)), 9);
}

TEST(PourcentageTables, non_evalue_est_moins_un_et_les_absents_comptent_zero)
{
    const QString run = rep("0702", 10, 14) + rep("0703", 10, 21);
    EXPECT_EQ(pourcentage_tables(run, "table_3", 3), -1);
    EXPECT_EQ(pourcentage_tables(run, "table_inconnue", 3), -1);
    EXPECT_EQ(pourcentage_tables("", "table_7", 3), -1);
    EXPECT_EQ(pourcentage_tables(run, "table_7", 3), 25);
    EXPECT_EQ(pourcentage_tables(rep("0702", 10, 15), "table_7", 3), 0);
    EXPECT_EQ(pourcentage_tables(run, "table_7,table_8", 3), 12);
    EXPECT_EQ(pourcentage_tables(tout_juste("tables_classiques"), "tables_classiques", 3), 100);
}

TEST(PourcentageTables, la_derniere_reponse_compte_et_une_table_nommee_deux_fois_double_le_diviseur)
{
    EXPECT_EQ(pourcentage_tables(rep("0702", 10, 14) + rep("0702", 10, 15), "table_7", 3), 0);
    EXPECT_EQ(pourcentage_tables(rep("0702", 10, 15) + rep("0702", 10, 14), "table_7", 3), 12);
    // Eight products answered once each, over sixteen named.
    EXPECT_EQ(pourcentage_tables(tout_juste("table_7"), "table_7,table_7", 3), 50);
    EXPECT_TRUE(test_complet(tout_juste("table_7"), "table_7,table_7"));
}

TEST(PourcentageTables, seul_le_code_exact_d_un_produit_compte)
{
    // Codes whose factors sum or overflow onto 0702 under a careless packing, or that are not digits.
    for (const QString& code : {QStringLiteral("0612"), QStringLiteral("0622"), QStringLiteral("2702"),
             QStringLiteral("9999"), QStringLiteral("07 2"), QStringLiteral("0\u0667\u0660\u0662")}) {
        EXPECT_EQ(pourcentage_tables(rep(code, 10, 14), "table_7", 3), -1) << code.toStdString();
        EXPECT_FALSE(test_complet(rep(code, 10, 14) + tout_juste("table_7").mid(12), "table_7"))
            << code.toStdString();
    }
    // A record cut short at the end of the run is not an answer.
    EXPECT_EQ(pourcentage_tables(QStringLiteral("P0702010"), "table_7", 3), -1);
}

TEST(TestComplet, chaque_produit_des_tables_doit_avoir_une_reponse)
{
    QString run = tout_juste("table_2,table_3");
    EXPECT_TRUE(test_complet(run, "table_2,table_3"));
    EXPECT_TRUE(test_complet(run, "table_2"));
    EXPECT_FALSE(test_complet(run, "table_2,table_4"));
    EXPECT_TRUE(test_complet(rep("0202", 999, 0) + tout_juste("table_2").mid(12), "table_2"));
    EXPECT_FALSE(test_complet(run.left(run.size() - 12), "table_2,table_3"));
    EXPECT_FALSE(test_complet(run, "table_inconnue"));
}

TEST(ClassementTables, du_moins_au_mieux_maitrise_et_jamais_teste_a_000)
{
    const QStringList etudies = produits_des_tables("table_2,table_3,table_4,table_5");
    // table_3 fully right, table_4 half right, table_2 tested but all wrong, table_5 never asked.
    QString run = tout_juste("table_3");
    const QStringList t4 = produits_des_tables("table_4");
    for (int i = 0; i < 8; ++i)
        run += rep(t4[i], 10, i < 4 ? valeur_produit(t4[i]).toInt() : 0);
    for (const QString& code : produits_des_tables("table_2"))
        run += rep(code, 10, 1);
    EXPECT_EQ(classement_tables(etudies, run, 3),
        (QStringList {"table_2=000", "table_5=000", "table_4=050", "table_3=100"}));
    EXPECT_EQ(classement_tables(etudies, "", 3),
        (QStringList {"table_2=000", "table_3=000", "table_4=000", "table_5=000"}));
    EXPECT_TRUE(classement_tables({}, run, 3).isEmpty());
}

TEST(ClassementTables, les_valeurs_se_comparent_en_nombres_sur_trois_chiffres)
{
    // 1 of 8 right gives 12, 5 of 8 gives 62, 8 of 8 gives 100: "100" ranks after "062" and "012".
    QString run = tout_juste("table_9");
    run += rep("0802", 10, 16);
    const QStringList t7 = produits_des_tables("table_7");
    for (int i = 0; i < 5; ++i)
        run += rep(t7[i], 10, valeur_produit(t7[i]).toInt());
    EXPECT_EQ(classement_tables(produits_des_tables("table_9,table_7,table_8"), run, 3),
        (QStringList {"table_8=012", "table_7=062", "table_9=100"}));
}

TEST(ClassementProduits, absents_et_faux_d_abord_puis_les_plus_lents_egalites_par_code)
{
    const QStringList etudies {"0709", "0702", "0703", "0704", "0705"};
    const QString run = rep("0709", 10, 63) + rep("0703", 40, 21) + rep("0705", 10, 1) + rep("0702", 70, 14);
    EXPECT_EQ(classement_produits(etudies, run, 3),
        (QStringList {"0704=000", "0705=000", "0702=025", "0703=050", "0709=100"}));
}

TEST(ClassementProduits, un_code_hors_des_tables_garde_son_propre_score)
{
    // "07 2" is answered but unreadable (0); 0622 and 2702 are read and must not stand for 0702.
    const QStringList etudies {"0702", "07 2", "2702", "0622"};
    const QString run = rep("07 2", 10, 14) + rep("0622", 10, 132) + rep("2702", 40, 54);
    EXPECT_EQ(
        classement_produits(etudies, run, 3), (QStringList {"07 2=000", "0702=000", "2702=050", "0622=100"}));
}

TEST(Selection, tables_entieres_prend_toujours_la_plus_faible_puis_ce_qui_tient)
{
    const QStringList classiques = produits_des_tables("tables_classiques");
    QString run = tout_juste("tables_classiques");
    run += rep("0605", 10, 0) + rep("0403", 50, 12);
    // Weakest: table_6 (87), then table_4 (93), then the tables at 100.
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 1, classiques, run, 3),
        produits_des_tables("table_6"));
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 15, classiques, run, 3),
        produits_des_tables("table_6"));
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 16, classiques, run, 3),
        produits_des_tables("table_6,table_4"));
    // A table already at 100 is never added after the first one.
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 64, classiques, run, 3),
        produits_des_tables("table_6,table_4"));
    // Everything at 100: the first table only.
    EXPECT_EQ(selection_produits(
                  ModeSelection::tables_entieres, 64, classiques, tout_juste("tables_classiques"), 3),
        produits_des_tables("table_2"));
    // Never tested: as many whole tables as fit.
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 24, classiques, "", 3),
        produits_des_tables("table_2,table_3,table_4"));
    EXPECT_TRUE(selection_produits(ModeSelection::tables_entieres, 8, {}, run, 3).isEmpty());
}

TEST(Selection, tables_entieres_compte_la_taille_des_tables_etendues)
{
    const QStringList etudies = produits_des_tables("table_12,table_13");
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 18, etudies, "", 3).size(), 9);
    EXPECT_EQ(selection_produits(ModeSelection::tables_entieres, 19, etudies, "", 3).size(), 19);
}

TEST(Selection, trous_prend_au_plus_n_produits_jusqu_au_premier_a_100)
{
    const QStringList etudies = produits_des_tables("table_7");
    EXPECT_TRUE(selection_produits(ModeSelection::trous, 8, etudies, tout_juste("table_7"), 3).isEmpty());
    QString run = tout_juste("table_7");
    run += rep("0708", 0, 0) + rep("0703", 40, 21) + rep("0704", 70, 28);
    EXPECT_EQ(
        selection_produits(ModeSelection::trous, 8, etudies, run, 3), (QStringList {"0708", "0704", "0703"}));
    EXPECT_EQ(selection_produits(ModeSelection::trous, 2, etudies, run, 3), (QStringList {"0708", "0704"}));
    EXPECT_TRUE(selection_produits(ModeSelection::trous, 0, etudies, run, 3).isEmpty());
    EXPECT_EQ(selection_produits(ModeSelection::trous, 100, etudies, "", 3), etudies);
}
