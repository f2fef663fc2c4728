#include "learning/disposition_apprentissage.h"

#include <gtest/gtest.h>

TEST(DispositionApprentissage, les_panneaux_s_empilent_par_blocs_en_colonnes_de_120_pixels)
{
    const struct
    {
        QVector<int> fins;
        QVector<QPoint> coins;
    } cas[] = {
        // 3 + 3 fit one column with a 5-pixel gap; the next block starts a column 45 pixels right.
        {{2, 5, 7},
            {{168, 468}, {168, 486}, {168, 504}, {168, 527}, {168, 545}, {168, 563}, {213, 468}, {213, 486}}},
        {{0}, {{168, 468}}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ListeCoordsPanels(c.fins, 40), c.coins) << c.fins.size();
}
