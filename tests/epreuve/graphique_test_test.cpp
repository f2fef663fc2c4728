#include "core/faits.h"
#include "reports/graphique_test.h"

#include <gtest/gtest.h>

namespace {

constexpr int T = 4;

QString enr(const QString& code, int dixiemes, int reponse)
{
    return QLatin1Char('P') + code + zeros_devant(dixiemes, 3) + zeros_devant(reponse, 4);
}

QString ligne(const QString& enregistrements)
{
    return QStringLiteral("\tTEST de 10:02:03 à 10:12:00 ") + enregistrements;
}

QString justes(const QString& tables, int dixiemes = 20)
{
    QString r;
    for (const QString& c : produits_des_tables(tables))
        r += enr(c, dixiemes, valeur_produit(c).toInt());
    return r;
}

// The colour inside the large chart's cell of a × b (classic layout).
QColor case_classique(const QImage& image, int a, int b)
{
    return image.pixelColor(97 + 50 * (a - 2) + 46, 4 + 30 * (b - 2) + 26);
}

} // namespace

TEST(GraphiqueTest, un_test_classique_parfait)
{
    const QString l = ligne(justes(QStringLiteral("tables_classiques")));
    const DonneesGraphique d = donnees_graphique(l, T);
    EXPECT_TRUE(d.classique);
    EXPECT_EQ(d.comptes[0], 64);
    EXPECT_EQ(d.comptes[1], 0);
    EXPECT_EQ(d.comptes[2], 0);
    EXPECT_EQ(d.pourcentage, 100);
    for (int t = 2; t <= 9; ++t)
        EXPECT_EQ(mot_table(d.pourcentages_tables.value(t)), QStringLiteral("parfait"));

    const QImage image = graphique_test(l, T);
    EXPECT_EQ(image.size(), QSize(503, 310));
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b)
            EXPECT_EQ(case_classique(image, a, b), QColor(Qt::white)) << a << "x" << b;
    // Outside the frame: the transparent colour.
    EXPECT_EQ(image.pixelColor(502, 309), couleur_transparente_graphique());
}

TEST(GraphiqueTest, les_temps_s_ecrivent_en_secondes_et_dixiemes)
{
    EXPECT_EQ(texte_dixiemes(70, QLatin1Char('.')), QStringLiteral("7s"));
    EXPECT_EQ(texte_dixiemes(3, QLatin1Char('.')), QStringLiteral("0.3s"));
    EXPECT_EQ(texte_dixiemes(42, QLatin1Char('.')), QStringLiteral("4.2s"));
}

TEST(GraphiqueTest, les_classes_de_reponses_colorent_les_cases_et_ne_comptent_qu_une_fois)
{
    // 7 × 9 passed, 3 × 4 slow, 2 × 2 wrong then right at the second chance.
    QString r = enr(QStringLiteral("0202"), 20, 5) + enr(QStringLiteral("0709"), 31, 0)
        + enr(QStringLiteral("0304"), 60, 12) + enr(QStringLiteral("0202"), 15, 4);
    const DonneesGraphique d = donnees_graphique(ligne(r), T);
    EXPECT_EQ(d.cases.size(), 3);
    EXPECT_EQ(d.comptes[0], 1);
    EXPECT_EQ(d.comptes[1], 1);
    EXPECT_EQ(d.comptes[2], 1);
    const QImage image = graphique_test(ligne(r), T);
    EXPECT_EQ(case_classique(image, 2, 2), QColor(Qt::white));
    EXPECT_EQ(case_classique(image, 3, 4), QColor(255, 255, 0));
    EXPECT_EQ(case_classique(image, 7, 9), QColor(255, 0, 0));
    // The passed product keeps its time and an empty answer.
    for (const CaseGraphique& c : d.cases) {
        if (c.a == 7) {
            EXPECT_TRUE(c.reponse.isEmpty());
            EXPECT_EQ(c.temps, QStringLiteral("3.1s"));
        }
    }
}

TEST(GraphiqueTest, un_test_etendu_sans_la_table_17_n_a_pas_de_pourcentage_global)
{
    const QString l = ligne(justes(QStringLiteral("table_carres,table_12,table_13,table_14,table_15,table_16,"
                                                  "table_18,table_19")));
    const DonneesGraphique d = donnees_graphique(l, T);
    EXPECT_FALSE(d.classique);
    EXPECT_EQ(d.pourcentage, -1);
    EXPECT_EQ(d.pourcentages_tables.value(17), -1);
    EXPECT_EQ(mot_table(-1), QString());
    const QImage image = graphique_test(l, T);
    EXPECT_EQ(image.size(), QSize(553, 529));

    const DonneesGraphique tout = donnees_graphique(ligne(justes(QStringLiteral("tables_etendues"))), T);
    EXPECT_EQ(tout.pourcentage, 100);
    EXPECT_EQ(tout.comptes[0], 109);
}

TEST(GraphiqueTest, le_graphique_compact_grise_les_tables_hors_objectifs)
{
    const QString l = ligne(justes(QStringLiteral("table_2,table_3")) + enr(QStringLiteral("0405"), 20, 0));
    const QImage image = graphique_test_compact(l, QStringLiteral("table_2,table_3,table_4"), T);
    EXPECT_EQ(image.size(), QSize(310, 255));
    // Table 4 is an objective: its wrong cell is red. Table 9 is not: silver dots over its column.
    EXPECT_EQ(image.pixelColor(80 + 27 * 2 + 25, 13 + 27 * 3 + 25), QColor(255, 0, 0));
    int argentes = 0;
    for (int y = 100; y < 110; ++y)
        argentes += image.pixelColor(80 + 27 * 7 + 20, y) == QColor(192, 192, 192);
    EXPECT_GE(argentes, 4);
    EXPECT_EQ(image.pixelColor(80 + 27 * 0 + 25, 13 + 27 * 0 + 25), QColor(Qt::white));
}

TEST(GraphiqueTest, une_ligne_abimee_donne_un_graphique_sans_planter)
{
    for (const QString& ligne : {QString(), QStringLiteral("\tTEST de 10:02:03 à 10:12:00 "),
             QStringLiteral("\tTEST de 10:02:03 à 10:12:00 PxxYY12ab!0063P07"),
             QStringLiteral("\tTEST de 10:02:03 à 10:12:00 P99990420063P0000000000")}) {
        const DonneesGraphique d = donnees_graphique(ligne, T);
        EXPECT_EQ(graphique_test(ligne, T).isNull(), false);
        EXPECT_EQ(graphique_test_compact(ligne, QString(), T).size(), QSize(310, 255));
        EXPECT_EQ(d.comptes[0] + d.comptes[1] + d.comptes[2], d.cases.size());
    }
}
