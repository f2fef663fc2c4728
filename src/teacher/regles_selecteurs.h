#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What the establishment and school-year drop-down lists of the console offer.

// The item of the first list that lists the pupils kept directly in dossier_eleves (home installations).
inline const QString texte_aucun = QStringLiteral("aucun");

// The sub-folders of dossier_eleves, then "aucun" when asked for.
QStringList etablissements_proposes(const QString& dossier_eleves, bool avec_aucun);
// The school-year folders of the establishment (names beginning with "2"), oldest first.
QStringList annees_proposees(const QString& dossier_eleves, const QString& etablissement);

// 1 September of the school year the date belongs to.
QDate premier_septembre(QDate aujourdhui);
