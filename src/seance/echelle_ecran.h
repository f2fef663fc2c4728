#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// The largest window of the program at scale 1, with room for a title bar and borders: the teacher's
// console (940 wide) and the activities' 800 x 600 panel.
inline constexpr QSize taille_utile_minimale(940 + 8, 600 + 40);

// The screen as the program finds it at start, before any factor of its own.
struct EcranDeDepart
{
    QSize disponible; // the area windows may use, in logical pixels at the scale of the moment
    double rapport = 1.0; // device pixels per logical pixel: the desktop's own scale (Xft.dpi, its scaling)
};

// Device pixels per layout pixel for the whole interface: the chosen "Taille de l'affichage" ("150 %":
// 1.5; "comme le bureau": the desktop's; "adaptée à l'écran": as large as the screen allows), lowered so
// that `besoin` fits the screen, but never below half the chosen size (text would be unreadable).
double facteur_affichage(const QString& taille, const EcranDeDepart& ecran, QSize besoin);

// The QT_SCALE_FACTOR that gives `facteur` on that screen, when QT_SCALE_FACTOR was `actuel` (empty:
// none): on four decimals and rounded down, so that what fits still fits.
QByteArray facteur_echelle(const QByteArray& actuel, const EcranDeDepart& ecran, double facteur);
