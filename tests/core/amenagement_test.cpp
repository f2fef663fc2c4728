#include "core/amenagement.h"

#include <gtest/gtest.h>

TEST(Amenagement, chaque_choix_allonge_les_limites_arrondies_au_dessus_et_borne_le_test_a_99_s)
{
    struct Cas
    {
        Amenagement a;
        int maximum_20_s;
        int maximum_60_s;
        qint64 limite_1000_ms;
        qint64 limite_20000_ms;
    };
    const Cas cas[] = {
        {Amenagement::aucun, 20, 60, 1000, 20000},
        {Amenagement::tiers, 27, 80, 1334, 26667},
        {Amenagement::moitie, 30, 90, 1500, 30000},
        {Amenagement::double_temps, 40, 99, 2000, 40000},
        {Amenagement::sans_limite, 99, 99, 0, 0},
    };
    for (const Cas& c : cas) {
        const QString nom = texte_amenagement(c.a);
        EXPECT_EQ(temps_maximum_amenage_s(20, c.a), c.maximum_20_s) << qPrintable(nom);
        EXPECT_EQ(temps_maximum_amenage_s(60, c.a), c.maximum_60_s) << qPrintable(nom);
        EXPECT_EQ(limite_amenagee_ms(1000, c.a), c.limite_1000_ms) << qPrintable(nom);
        EXPECT_EQ(limite_amenagee_ms(20000, c.a), c.limite_20000_ms) << qPrintable(nom);
        EXPECT_EQ(lit_texte_amenagement(nom), c.a) << qPrintable(nom);
    }
    // The 1-second minimum of the settings still gains its third.
    EXPECT_EQ(temps_maximum_amenage_s(1, Amenagement::tiers), 2);
}

TEST(Amenagement, une_valeur_inconnue_ou_absente_est_le_temps_de_tous)
{
    for (const QString& v : {QString(), QStringLiteral("+1/4"), QStringLiteral("oui"), QStringLiteral("x3")})
        EXPECT_EQ(lit_texte_amenagement(v), Amenagement::aucun) << qPrintable(v);
    EXPECT_EQ(lit_texte_amenagement(QStringLiteral(" Sans Limite ")), Amenagement::sans_limite);
    EXPECT_EQ(lit_texte_amenagement(QStringLiteral("×2")), Amenagement::double_temps);
    EXPECT_EQ(ligne_amenagement(Amenagement::tiers), QStringLiteral("temps aménagé : +1/3"));
}
