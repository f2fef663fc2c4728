#include "teacher/regles_objectifs.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

const QStringList trois = {QStringLiteral("6e"), QStringLiteral("5e"), QStringLiteral("4e")};

// The ticked tables of a row among 2…19, as "2,3,11".
QString cochees(const GrilleObjectifs& g, int ligne)
{
    QStringList t;
    for (int n = 2; n <= 19; ++n)
        if (g.lignes().at(ligne).coches[n])
            t.append(QString::number(n));
    return t.join(u',');
}

} // namespace

TEST(GrilleObjectifs, lecture_par_position_avec_les_etats_de_depart_pour_les_niveaux_sans_entree)
{
    struct Cas
    {
        QString classiques;
        QString etendues;
        bool memes;
        QStringList lignes;
    };
    const QString depart = QStringLiteral("2,3,4,5,6,7,8,9,11");
    const QVector<Cas> cas = {
        // Missing keys: the starting states everywhere, the same for all levels.
        {QString(), QString(), true, {depart, depart, depart}},
        // Read by position, whatever the names; the third level has no entry yet.
        {QStringLiteral("x<table_7>y<table_7>"), QStringLiteral("x<table_12,table_carres>"), true,
            {QStringLiteral("7,11,12"), QStringLiteral("7,11"), depart}},
        // "<>" clears the row; names without a box tick nothing; different levels give "non".
        {QStringLiteral("6e<>5e<tables_classiques,table_15,,zz,table_2>4e<table_9>"),
            QStringLiteral("<table_19>"), false,
            {QStringLiteral("19"), QStringLiteral("2,11"), QStringLiteral("9,11")}},
        {QStringLiteral("6e<table_2,table_3>5e<table_3,table_2>"), QString(), false,
            {QStringLiteral("2,3,11"), QStringLiteral("2,3,11"), depart}},
    };
    for (const Cas& c : cas) {
        GrilleObjectifs g;
        g.redimensionne(trois);
        EXPECT_EQ(g.charge(c.classiques, c.etendues), c.memes) << c.classiques.toStdString();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(cochees(g, i), c.lignes[i]) << c.classiques.toStdString() << " ligne " << i;
    }
}

TEST(GrilleObjectifs, avec_oui_une_case_coche_toute_sa_colonne_avec_non_elle_seule)
{
    GrilleObjectifs g;
    g.redimensionne(trois);
    g.charge(QStringLiteral("a<>b<>c<>"), QString());
    g.coche(1, 7, true, true);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(cochees(g, i), QStringLiteral("7,11"));
    g.coche(2, 7, false, false);
    g.coche(0, 15, true, false);
    EXPECT_EQ(cochees(g, 0), QStringLiteral("7,11,15"));
    EXPECT_EQ(cochees(g, 1), QStringLiteral("7,11"));
    EXPECT_EQ(cochees(g, 2), QStringLiteral("11"));
    EXPECT_EQ(GrilleObjectifs::table_du_nom(QStringLiteral("CheckBox_obj_3_7")), 7);
    EXPECT_EQ(GrilleObjectifs::table_du_nom(QStringLiteral("CheckBox_obj_12_15")), 15);
}

TEST(GrilleObjectifs, seule_la_famille_montree_s_ecrit_et_un_niveau_sans_case_donne_des_chevrons_vides)
{
    GrilleObjectifs g;
    g.redimensionne({QStringLiteral("6e"), QStringLiteral("5e")});
    // A rebuilt grid (after saving the establishment) writes the starting states of the family shown.
    EXPECT_EQ(g.valeur(Famille::etendues), QStringLiteral("6e<table_carres>5e<table_carres>"));
    EXPECT_EQ(g.valeur(Famille::classiques),
        QStringLiteral("6e<table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9>"
                       "5e<table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9>"));
    for (const int t : GrilleObjectifs::tables(Famille::classiques))
        g.coche(0, t, false, false);
    g.coche(1, 4, false, false);
    EXPECT_EQ(g.valeur(Famille::classiques),
        QStringLiteral("6e<>5e<table_2,table_3,table_5,table_6,table_7,table_8,table_9>"));

    // Read back: the level stored "<>" shows every box cleared.
    GrilleObjectifs relue;
    relue.redimensionne({QStringLiteral("6e"), QStringLiteral("5e")});
    relue.charge(g.valeur(Famille::classiques), QString());
    EXPECT_EQ(cochees(relue, 0), QStringLiteral("11"));
}
