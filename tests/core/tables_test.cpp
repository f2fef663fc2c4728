#include "core/faits.h"

#include <gtest/gtest.h>

TEST(Tables, noms_et_numeros_se_repondent_et_les_inconnus_ne_donnent_rien)
{
    for (int n = 2; n <= 19; ++n)
        EXPECT_EQ(numero_table(nom_table(n)), n) << n;
    EXPECT_EQ(nom_table(10), "tables_classiques");
    EXPECT_EQ(nom_table(11), "table_carres");
    EXPECT_EQ(nom_table(13), "table_13");
    for (int n : {-1, 0, 1, 20, 100})
        EXPECT_TRUE(nom_table(n).isEmpty()) << n;
    for (const char* nom : {"table_10", "table_11", "table_1", "table_07", "tables_etendues", "Table_7", ""})
        EXPECT_EQ(numero_table(nom), -1) << nom;
    EXPECT_TRUE(produits_de_table("table_20").isEmpty());
    EXPECT_TRUE(produits_de_table(1).isEmpty());
    EXPECT_TRUE(produits_de_table(20).isEmpty());
}

TEST(Tables, listes_de_produits_dans_l_ordre_et_tailles)
{
    EXPECT_EQ(produits_de_table("table_7"), "0702,0703,0704,0705,0706,0707,0708,0709");
    EXPECT_EQ(produits_de_table("table_12"), "0212,0312,0412,0512,0612,0712,0812,0912,1112");
    EXPECT_EQ(produits_de_table(15), "0215,0315,0415,0515,0615,0715,0815,0915,1115,1215,1315,1415");
    EXPECT_EQ(produits_de_table(11), "1111,1212,1313,1414,1515,1616,1717,1818,1919");
    const QStringList classiques = produits_de_table(10).split(u',');
    ASSERT_EQ(classiques.size(), 64);
    EXPECT_EQ(classiques.first(), "0202");
    EXPECT_EQ(classiques.last(), "0909");
    const QStringList etendues = produits_de_table("tables_etendues").split(u',');
    ASSERT_EQ(etendues.size(), 109);
    EXPECT_EQ(etendues.mid(0, 9).join(u','), produits_de_table("table_carres"));
    EXPECT_EQ(etendues.last(), "1819");

    EXPECT_EQ(taille_table("table_2"), 8);
    EXPECT_EQ(taille_table("table_carres"), 9);
    EXPECT_EQ(taille_table("tables_classiques"), 64);
    EXPECT_EQ(taille_table("tables_etendues"), -1);
    EXPECT_EQ(taille_table("table_inconnue"), -1);
    for (int n = 12; n <= 19; ++n) {
        EXPECT_EQ(taille_table(nom_table(n)), n - 3);
        EXPECT_EQ(produits_de_table(n).split(u',').size(), n - 3);
    }
}

TEST(Tables, chaque_produit_appartient_a_la_table_qui_le_liste)
{
    EXPECT_EQ(table_du_produit("0209"), "table_2");
    EXPECT_EQ(table_du_produit("0902"), "table_9");
    EXPECT_EQ(table_du_produit("1313"), "table_carres");
    EXPECT_EQ(table_du_produit("0213"), "table_13");
    EXPECT_EQ(table_du_produit("1113"), "table_13");
    EXPECT_EQ(table_du_produit("1302"), "table_13");
    for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19}) {
        for (const QString& code : produits_de_table(n).split(u','))
            EXPECT_EQ(table_du_produit(code), nom_table(n)) << qPrintable(code);
    }
}

TEST(Tables, un_code_mal_forme_ne_donne_ni_table_ni_valeur)
{
    for (const char* code : {"", "07", "07x9", "ab09", "0710", "0107", "2002"})
        EXPECT_TRUE(table_du_produit(code).isEmpty()) << code;
    EXPECT_TRUE(valeur_produit("7x").isEmpty());
    EXPECT_TRUE(valeur_produit_4("07a9").isEmpty());
    EXPECT_EQ(produit_commute("07"), "07");
    EXPECT_EQ(tables_des_produits({"0702", "zz", "0203"}), "table_7,table_2");
}

TEST(Tables, valeurs_et_produit_commute)
{
    EXPECT_EQ(valeur_produit("0709"), "63");
    EXPECT_EQ(valeur_produit_4("0709"), "0063");
    EXPECT_EQ(valeur_produit_4("1919"), "0361");
    EXPECT_EQ(valeur_produit("0202"), "4");
    EXPECT_EQ(produit_commute("0709"), "0907");
    EXPECT_EQ(produit_commute("1113"), "1311");
}

TEST(Tables, tables_des_produits_dans_l_ordre_de_premiere_apparition)
{
    EXPECT_EQ(tables_des_produits({"0709", "0212", "0702", "1111", "0213", "1212", "0203"}),
        "table_7,table_12,table_carres,table_13,table_2");
    EXPECT_EQ(tables_des_produits(produits_des_tables("tables_classiques")),
        "table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9");
    EXPECT_TRUE(tables_des_produits({}).isEmpty());
}

TEST(Tables, produits_des_tables_repete_un_nom_donne_deux_fois_et_ignore_l_inconnu)
{
    const QStringList produits = produits_des_tables("table_2,table_inconnue,table_2");
    ASSERT_EQ(produits.size(), 16);
    EXPECT_EQ(produits.mid(0, 8), produits.mid(8));
    EXPECT_TRUE(produits_des_tables("").isEmpty());
    EXPECT_EQ(produits_des_tables("table_3, table_4").size(), 16);
}

TEST(ListeCompacte, aller_retour_sur_l_exemple_et_sur_chaque_table)
{
    QStringList codes = produits_des_tables("table_7");
    codes << "0802"
          << "0803"
          << "0805";
    EXPECT_EQ(liste_compacte(codes), "7x<2-9>,8x<2-3,5>");
    EXPECT_EQ(lit_liste_compacte("7x<2-9>,8x<2-3,5>"), codes);
    EXPECT_EQ(liste_compacte(produits_des_tables("table_7,table_8")), "7x<2-9>,8x<2-9>");
    EXPECT_EQ(liste_compacte(produits_des_tables("table_carres")),
        "11x<11>,12x<12>,13x<13>,14x<14>,15x<15>,16x<16>,17x<17>,18x<18>,19x<19>");
    for (const char* nom : {"tables_classiques", "tables_etendues", "table_15"}) {
        const QStringList produits = produits_des_tables(nom);
        EXPECT_EQ(lit_liste_compacte(liste_compacte(produits)), produits) << nom;
    }
    EXPECT_TRUE(liste_compacte({}).isEmpty());
    EXPECT_TRUE(lit_liste_compacte("").isEmpty());
}

TEST(ListeCompacte, un_texte_abime_donne_ce_qu_il_a_de_lisible_sans_planter)
{
    EXPECT_EQ(lit_liste_compacte(" 7x< 2 - 3 >, 9X<4>"), (QStringList {"0702", "0703", "0904"}));
    EXPECT_EQ(lit_liste_compacte("truc,7x<2>,8x<,>,x<3>,9x<5"), (QStringList {"0702"}));
    EXPECT_EQ(lit_liste_compacte("7x<9-2>"), QStringList());
    // Factors the tables never hold (1, 10, beyond 19) are dropped, and an absurd range stays quick.
    EXPECT_EQ(lit_liste_compacte("7x<1-11>"),
        (QStringList {"0702", "0703", "0704", "0705", "0706", "0707", "0708", "0709", "0711"}));
    EXPECT_EQ(lit_liste_compacte("10x<2>,1x<3>,20x<4>,7x<0-999999999>").size(), 17);
    EXPECT_TRUE(lit_liste_compacte("<<<>>>,,,>>x<<").isEmpty());
}

TEST(ListeCompacte, les_objectifs_se_lisent_en_noms_de_tables_ou_en_liste)
{
    EXPECT_EQ(produits_des_objectifs("table_2,table_3"), produits_des_tables("table_2,table_3"));
    EXPECT_EQ(produits_des_objectifs("7x<2-3>"), (QStringList {"0702", "0703"}));
    EXPECT_TRUE(produits_des_objectifs("").isEmpty());
}

TEST(Textes, zeros_devant_et_sans_zeros_devant)
{
    EXPECT_EQ(zeros_devant(7, 3), "007");
    EXPECT_EQ(zeros_devant(1234, 2), "1234");
    EXPECT_EQ(zeros_devant(0, 2), "00");
    EXPECT_EQ(zeros_devant(-1, 3), "-01");
    EXPECT_EQ(sans_zeros_devant("0063"), "63");
    EXPECT_EQ(sans_zeros_devant("0000"), "");
    EXPECT_EQ(sans_zeros_devant("1007"), "1007");
}

TEST(Textes, sans_accents_garde_la_casse_et_allonge_les_ligatures)
{
    EXPECT_EQ(sans_accents(QStringLiteral("Élève Noël")), "Eleve Noel");
    EXPECT_EQ(sans_accents(QStringLiteral("Œuvre")), "OEuvre");
    EXPECT_EQ(sans_accents(QStringLiteral("ÀÅàåÈËèëÌÏìïÒÖØòöøÙÜùüÝŸýÿÑñÇçŠšÐ")),
        "AAaaEEeeIIiiOOOoooUUuuYYyyNnCcSsD");
    EXPECT_EQ(sans_accents(QStringLiteral("Æsop cæcum œil Strauß")), "AEsop caecum oeil Strauss");
    EXPECT_EQ(sans_accents(QStringLiteral("×÷ðþ€Ž-_ 12")), QStringLiteral("×÷ðþ€Ž-_ 12"));
}

TEST(Bandes, bornes_des_six_bandes_et_leurs_mots)
{
    const struct
    {
        int p;
        Bande bande;
        const char* mot;
    } cas[] = {{-1, Bande::tres_faible, "très faible"}, {49, Bande::tres_faible, "très faible"},
        {50, Bande::faible, "faible"}, {69, Bande::faible, "faible"}, {70, Bande::passable, "passable"},
        {84, Bande::passable, "passable"}, {85, Bande::bien, "bien"}, {94, Bande::bien, "bien"},
        {95, Bande::tres_bien, "très bien"}, {99, Bande::tres_bien, "très bien"},
        {100, Bande::parfait, "parfait"}};
    for (const auto& c : cas) {
        EXPECT_EQ(bande_score(c.p), c.bande) << c.p;
        EXPECT_EQ(niveau_score(c.p), QString::fromUtf8(c.mot)) << c.p;
    }
}
