#include "ui/compteur_score.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QColor pixel(CompteurScore& c, int y)
{
    return c.grab().toImage().pixelColor(43, y);
}

} // namespace

TEST(CompteurScore, la_jauge_monte_d_un_segment_tous_les_deux_points_et_saute_les_paliers)
{
    EXPECT_EQ(CompteurScore::hauteur_jauge(0), 440);
    EXPECT_EQ(CompteurScore::hauteur_jauge(25), 341);
    EXPECT_EQ(CompteurScore::hauteur_jauge(100), 50);
    for (int s = 1; s <= 100; ++s) {
        const int saut = CompteurScore::hauteur_jauge(s - 1) - CompteurScore::hauteur_jauge(s);
        if (s % 25 == 0)
            EXPECT_GT(saut, 20) << s;
        else
            EXPECT_EQ(saut > 0, s % 25 % 2 == 1) << s; // one segment every two points
    }
}

TEST(CompteurScore, segment_a_moitie_atteint_en_vert_fonce_et_banderole_a_100)
{
    CompteurScore c;
    const QColor eteint = pixel(c, 436);
    const QColor vert_fonce(0, 100, 0);
    const struct
    {
        int score;
        int y;
        bool allume;
        bool fonce;
    } cas[] = {
        {1, 436, false, true}, // half of the first segment
        {2, 436, true, false},
        {25, 351, true, false}, // a landmark is lit at once
        {26, 338, false, true},
        {98, 76, false, true},
        {99, 76, true, false},
    };
    for (const auto& k : cas) {
        c.affiche_score(k.score);
        const QColor p = pixel(c, k.y);
        EXPECT_EQ(p == vert_fonce, k.fonce) << k.score << " " << k.y;
        EXPECT_EQ(p != eteint && p != vert_fonce, k.allume) << k.score << " " << k.y;
    }
    EXPECT_FALSE(c.banderole_active());
    c.affiche_score(100);
    EXPECT_TRUE(c.banderole_active());
    EXPECT_NE(pixel(c, 60), eteint);
    const QImage avant = c.grab().toImage();
    for (int i = 0; i < 35; ++i)
        c.defile();
    EXPECT_EQ(c.decalage(), 0); // 35 × 3 = 105: a whole period
    c.defile();
    EXPECT_NE(c.grab().toImage(), avant);
}
