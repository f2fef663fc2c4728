#include "core/choix_test.h"

#include <gtest/gtest.h>

namespace {

QString entete(const QString& jour, const QString& date, const QString& poste = QStringLiteral("PC1"))
{
    return QStringLiteral("Séance du %1 %2 de 14:02:10 à 14:20:47 sur le poste \"%3\"")
        .arg(jour, date, poste);
}

// A test line whose records answer every product of table t right in 2 s, or only its first n products.
QString ligne_test(const QString& debut, int t, int n = 8)
{
    QString enr;
    for (int b = 2; b < 2 + n; ++b)
        enr += QStringLiteral("P%1%2%3")
                   .arg(t, 2, 10, QLatin1Char('0'))
                   .arg(b, 2, 10, QLatin1Char('0'))
                   .arg(200000 + t * b, 7, 10, QLatin1Char('0'));
    return QStringLiteral("\tTEST de %1 à 14:06:40 %2").arg(debut, enr);
}

const QString apprentissage = QStringLiteral("\tAPPRENTISSAGE de 14:07:01 à 14:19:58: 84 répétitions");

// Four days: a test on 28/11, learning only on 02/12, an incomplete then a complete test on 03/12 (two
// séances), and a test on 02/01 of the next year.
const QStringList historique {
    entete(QStringLiteral("Jeudi"), QStringLiteral("28/11/2024")),
    ligne_test(QStringLiteral("10:00:00"), 2),
    entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
    apprentissage,
    entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
    ligne_test(QStringLiteral("09:00:00"), 7, 5),
    apprentissage,
    entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
    ligne_test(QStringLiteral("15:00:00"), 7),
    entete(QStringLiteral("Jeudi"), QStringLiteral("02/01/2025")),
    ligne_test(QStringLiteral("11:00:00"), 9),
};

} // namespace

TEST(ChoixTest, le_dernier_au_prend_le_jour_teste_le_plus_recent_jusqu_a_la_date)
{
    const TestChoisi a_la_date = choix_test(historique, ModeChoixTest::dernier, QStringLiteral("03/12/2024"));
    EXPECT_EQ(a_la_date.ligne, historique[5]);
    EXPECT_EQ(a_la_date.date, QStringLiteral("03/12/2024"));
    EXPECT_TRUE(a_la_date.enregistrements().startsWith(QStringLiteral("P0702020")));

    // A day with learning only is passed over; dates compare as dates, not as texts.
    EXPECT_EQ(choix_test(historique, ModeChoixTest::dernier, QStringLiteral("02/12/2024")).date,
        QStringLiteral("28/11/2024"));
    EXPECT_EQ(choix_test(historique, ModeChoixTest::dernier, QStringLiteral("31/12/2024")).date,
        QStringLiteral("03/12/2024"));
    EXPECT_EQ(choix_test(historique, ModeChoixTest::dernier, QStringLiteral("15/06/2025")).date,
        QStringLiteral("02/01/2025"));
    EXPECT_FALSE(choix_test(historique, ModeChoixTest::dernier, QStringLiteral("27/11/2024")).trouve());
}

TEST(ChoixTest, le_premier_a_partir_du_prend_le_jour_teste_le_plus_ancien_depuis_la_date)
{
    EXPECT_EQ(choix_test(historique, ModeChoixTest::premier, QStringLiteral("01/09/2024")).date,
        QStringLiteral("28/11/2024"));
    EXPECT_EQ(choix_test(historique, ModeChoixTest::premier, QStringLiteral("29/11/2024")).date,
        QStringLiteral("03/12/2024"));
    EXPECT_EQ(
        choix_test(historique, ModeChoixTest::premier, QStringLiteral("04/12/2024")).ligne, historique[10]);
    EXPECT_FALSE(choix_test(historique, ModeChoixTest::premier, QStringLiteral("03/01/2025")).trouve());
}

TEST(ChoixTest, masquer_les_tests_incomplets_cherche_plus_loin_dans_le_jour_puis_dans_les_jours)
{
    const TestChoisi complet = choix_test(
        historique, ModeChoixTest::dernier, QStringLiteral("03/12/2024"), true, QStringLiteral("table_7"));
    EXPECT_EQ(complet.ligne, historique[8]);

    // Against table 9, neither test of 03/12 nor that of 28/11 is complete.
    EXPECT_FALSE(choix_test(
        historique, ModeChoixTest::dernier, QStringLiteral("03/12/2024"), true, QStringLiteral("table_9"))
                     .trouve());
    EXPECT_EQ(choix_test(historique, ModeChoixTest::premier, QStringLiteral("01/11/2024"), true,
                  QStringLiteral("table_9"))
                  .date,
        QStringLiteral("02/01/2025"));
}

TEST(ChoixTest, un_poste_nomme_test_ou_une_date_illisible_ne_donnent_pas_de_test)
{
    const QStringList h {
        entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), QStringLiteral("SALLE-TEST")),
        apprentissage, QStringLiteral("Séance du Mardi xx/yy/TEST"),
        ligne_test(QStringLiteral("09:00:00"), 3)};
    const TestChoisi t = choix_test(h, ModeChoixTest::dernier, QStringLiteral("03/12/2024"));
    EXPECT_EQ(t.ligne, h[3]);

    EXPECT_FALSE(choix_test(historique, ModeChoixTest::dernier, QStringLiteral("demain")).trouve());
    EXPECT_FALSE(choix_test({}, ModeChoixTest::dernier, QStringLiteral("03/12/2024")).trouve());
}

TEST(ChoixTest, titre_de_la_date_avec_le_nom_du_jour)
{
    EXPECT_EQ(titre_date_test(QStringLiteral("03/12/2024")), QStringLiteral("Mardi 03/12/2024"));
    EXPECT_EQ(titre_date_test(QStringLiteral("02/01/2025")), QStringLiteral("Jeudi 02/01/2025"));
    EXPECT_EQ(titre_date_test(QStringLiteral("31/02/2025")), QStringLiteral("31/02/2025"));
}
