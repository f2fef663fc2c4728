#pragma once

#include <QString>
#include <QStringList>

// The table numbers of the objectives and the sentence that names them on the dashboard.

// First factors of the studied products, one per run of products sharing it ("02", "07", "11"…).
QStringList numeros_tables_objectifs(const QStringList& produits_etudies);

// "table de 7:", "tables de 2, 3, 4 et 5:", "tables de 2 à 9:", "table des carrés:"; "" for no number.
QString objectifs_en_mots(const QStringList& numeros);
