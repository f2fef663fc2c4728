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
