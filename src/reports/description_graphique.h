#pragma once

#include <QString>

// In words, what the result chart of a test line shows, for those who cannot see it: the percentage, the
// counts of the three kinds of answers, the products answered wrongly or too slowly, each table's
// percentage and the speed.
QString description_graphique_test(const QString& ligne_test, int T);
