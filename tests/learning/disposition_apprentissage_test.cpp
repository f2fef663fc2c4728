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
        // A first block taller than a column stays in it and wraps without a gap below y = 570.
        {{6}, {{168, 468}, {168, 486}, {168, 504}, {168, 522}, {168, 540}, {168, 558}, {208, 450}}},
        {{0}, {{168, 468}}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ListeCoordsPanels(c.fins, 40), c.coins) << c.fins.size();
}

TEST(DispositionApprentissage, les_lignes_d_une_etape_retrecissent_a_partir_de_18_items)
{
    const struct
    {
        int m, h, police, hauteur, haut;
    } cas[] = {
        {1, 32, 20, 41, 180},
        {8, 32, 20, 272, 64},
        {17, 32, 20, 569, 0},
        {18, 32, 20, 602, 0},
        {30, 19, 11, 608, 0},
        {173, 2, 1, 527, 0},
    };
    for (const auto& c : cas) {
        const GeometrieEtape g = geometrie_etape(c.m);
        EXPECT_EQ(g.h, c.h) << c.m;
        EXPECT_EQ(g.taille_police, c.police) << c.m;
        EXPECT_EQ(g.hauteur_panneau, c.hauteur) << c.m;
        EXPECT_EQ(g.haut_panneau, c.haut) << c.m;
    }
}
