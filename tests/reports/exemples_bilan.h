#pragma once

#include "reports/bilan_contenu.h"

#include <QString>
#include <functional>

// Answer records for the report tests. T is 4 s: 40 tenths or less is fast enough.
inline QString enregistrement(int a, int b, int dixiemes, int reponse)
{
    return QStringLiteral("P") + QString::number(a).rightJustified(2, QLatin1Char('0'))
        + QString::number(b).rightJustified(2, QLatin1Char('0'))
        + QString::number(dixiemes).rightJustified(3, QLatin1Char('0'))
        + QString::number(reponse).rightJustified(4, QLatin1Char('0'));
}

// Tables `de` to `a` asked in order; `reponse(a, b)` gives the record of each product (a right answer in
// 2 s by default).
inline QString enregistrements_tables(
    int de = 2, int a = 9, std::function<QString(int, int)> reponse = nullptr)
{
    QString texte;
    for (int t = de; t <= a; ++t)
        for (int b = 2; b <= 9; ++b)
            texte += reponse ? reponse(t, b) : enregistrement(t, b, 20, t * b);
    return texte;
}

inline DonneesBilan donnees_bilan(
    const QString& enregistrements, const QString& classe = QStringLiteral("CM1a"))
{
    DonneesBilan d;
    d.nom = QStringLiteral("Dupont");
    d.prenom = QStringLiteral("Marie");
    d.classe = classe;
    d.enregistrements = enregistrements;
    d.titre_date = QStringLiteral("Mardi 03/12/2024");
    d.etablissement = QStringLiteral("École Jules Ferry");
    d.temps_acceptable = 4;
    return d;
}
