#pragma once

#include <QByteArray>
#include <QSize>

// The largest window of the program at scale 1: the activities' 800 x 600 panel, with room for a title
// bar and borders.
inline constexpr QSize taille_utile_minimale(800 + 8, 600 + 40);

// The factor (at most 1, at least 1/2) by which everything must shrink for `besoin` to fit in
// `disponible`, both in the screen's current logical pixels; 1 when it already fits.
double reduction_pour_tenir(QSize besoin, QSize disponible);

// The QT_SCALE_FACTOR that applies the reduction on top of the one already set (empty: none), kept on
// two decimals and rounded down, so that the result surely fits.
QByteArray facteur_echelle_reduit(const QByteArray& facteur_actuel, double reduction);
