#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// In words, what the result chart of a test line shows, for those who cannot see it: the percentage, the
// counts of the three kinds of answers, the products answered wrongly or too slowly, each table's
// percentage and the speed.
QString description_graphique_test(const QString& ligne_test, int T);

// In words, a bar chart: its title, then each bar as "label: value", then what closes it ("(25 élèves)").
QString description_barres(
    const QString& titre, const QVector<QPair<QString, int>>& barres, const QString& fin = QString());
