#pragma once

#include "core/faits.h"
#include "storage/historique_lignes.h"

#include <QString>
#include <QStringList>
#include <ostream>

// Histories made up for the tests and the fault helper.

// Every product of the tables answered right in `dixiemes` tenths of a second.
inline QString reponses_justes(const QString& tables, int dixiemes = 20)
{
    QString r;
    for (const QString& code : produits_des_tables(tables))
        r += enregistrement_reponse(code, dixiemes, valeur_produit(code).toInt());
    return r;
}

// `seances` séances, one a day from 2 September 2024, each with a test of the classic tables and a learning
// line; `graine` changes the times so that two histories differ.
inline QStringList historique_long(int seances, int graine = 0)
{
    QStringList lignes;
    const QString tests = reponses_justes(QStringLiteral("tables_classiques"), 10 + graine % 20);
    for (int i = 0; i < seances; ++i) {
        const int jour = 1 + i % 28;
        const int mois = 1 + (i / 28) % 12;
        const int annee = 2000 + i / (28 * 12);
        const QString date = QStringLiteral("%1/%2/%3")
                                 .arg(jour, 2, 10, QLatin1Char('0'))
                                 .arg(mois, 2, 10, QLatin1Char('0'))
                                 .arg(annee);
        lignes.append(ligne_entete_seance(QStringLiteral("Mardi"), date, QStringLiteral("14:02:10"),
            QStringLiteral("14:20:47"), QStringLiteral("SALLE-1")));
        lignes.append(ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"), tests));
        lignes.append(
            ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 84 + graine));
    }
    return lignes;
}

// Readable failures in the tests.
inline void PrintTo(const QString& texte, std::ostream* os)
{
    *os << '"' << texte.toStdString() << '"';
}
