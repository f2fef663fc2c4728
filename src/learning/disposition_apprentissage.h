#pragma once

#include <QPoint>
#include <QVector>

// Geometry of the learning window, in the design pixels of its 800 × 600 board.

// Top-left corner of each item panel of the overview, block by block in columns from (168, 450).
QVector<QPoint> ListeCoordsPanels(const QVector<int>& fins_de_blocs, int largeur_panel);

// Rows of the step panel for m items: height, font size, and the panel's height and top.
struct GeometrieEtape
{
    int h = 32;
    int taille_police = 20;
    int hauteur_panneau = 0;
    int haut_panneau = 0;
};
GeometrieEtape geometrie_etape(int m);
