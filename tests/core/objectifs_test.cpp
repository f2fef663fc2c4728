#include "core/faits.h"
#include "core/objectifs.h"

#include <gtest/gtest.h>

namespace {

QString en_mots(const QString& tables)
{
    return objectifs_en_mots(numeros_tables_objectifs(produits_des_tables(tables)));
}

} // namespace

TEST(Objectifs, numeros_un_par_suite_de_produits_au_meme_premier_facteur)
{
    EXPECT_EQ(numeros_tables_objectifs(produits_des_tables("table_2,table_7")), (QStringList {"02", "07"}));
    EXPECT_EQ(numeros_tables_objectifs(produits_des_tables("table_carres")),
        (QStringList {"11", "12", "13", "14", "15", "16", "17", "18", "19"}));
    // A first factor met again after another one starts a new run.
    EXPECT_EQ(numeros_tables_objectifs({"0702", "0802", "0703"}), (QStringList {"07", "08", "07"}));
    EXPECT_TRUE(numeros_tables_objectifs({}).isEmpty());
}

TEST(Objectifs, en_mots_une_liste_une_plage_ou_une_seule_table)
{
    EXPECT_EQ(en_mots("table_7"), "table de 7:");
    EXPECT_EQ(en_mots("table_2,table_3"), "tables de 2 et 3:");
    EXPECT_EQ(en_mots("table_2,table_3,table_4,table_5"), "tables de 2, 3, 4 et 5:");
    EXPECT_EQ(en_mots("tables_classiques"), QStringLiteral("tables de 2 à 9:"));
    EXPECT_EQ(en_mots("table_2,table_5,table_7,table_8,table_9"), "tables de 2, 5, 7, 8 et 9:");
    EXPECT_EQ(en_mots("table_3,table_4,table_5,table_6,table_7"), QStringLiteral("tables de 3 à 7:"));
    EXPECT_TRUE(objectifs_en_mots({}).isEmpty());
}

TEST(Objectifs, en_mots_le_premier_onze_se_lit_carres)
{
    EXPECT_EQ(objectifs_en_mots({"11"}), QStringLiteral("table des carrés:"));
    EXPECT_EQ(en_mots("table_carres"), QStringLiteral("tables de carrés à 19:"));
    EXPECT_EQ(objectifs_en_mots({"09", "11"}), QStringLiteral("tables de 9 et carrés:"));
    EXPECT_EQ(objectifs_en_mots({"11", "11"}), QStringLiteral("tables de carrés et 11:"));
}
