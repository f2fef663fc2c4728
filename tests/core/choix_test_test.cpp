#include "core/choix_test.h"

#include <gtest/gtest.h>

TEST(ChoixTest, titre_de_la_date_avec_le_nom_du_jour)
{
    EXPECT_EQ(titre_date_test(QStringLiteral("03/12/2024")), QStringLiteral("Mardi 03/12/2024"));
    EXPECT_EQ(titre_date_test(QStringLiteral("02/01/2025")), QStringLiteral("Jeudi 02/01/2025"));
    EXPECT_EQ(titre_date_test(QStringLiteral("31/02/2025")), QStringLiteral("31/02/2025"));
}
