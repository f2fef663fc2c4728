#pragma once

#include <QDate>
#include <QString>

// Where the console's exports are proposed: the working folder's "stats" folder when there is one,
// otherwise the working folder itself.
QString dossier_des_exports(const QString& dossier_programme);

// 1 September of the school year ("2024-2025"), or of the one in progress on `aujourdhui` when the text is
// no school year.
QDate rentree_scolaire(const QString& annee_scolaire, const QDate& aujourdhui);
