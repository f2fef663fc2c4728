#pragma once

#include "teacher/regles_stats_eleves.h"

#include <QRect>
#include <QVector>
#include <functional>

// Where everything of the class statistics chart goes, from its data and the width of its texts.

// The step between grid lines for the top of the scale.
int pas_echelle(int haut);

struct GeometrieStats
{
    static constexpr int marge_verticale = 40;
    static constexpr int hauteur_utile = 350 - 2 * marge_verticale;
    static constexpr int largeur_barre = 40;
    static constexpr int largeur_colonne_minimum = 60;

    int pas = 1;
    int lignes = 1; // grid lines, 0 included
    int unite = 0; // pixels between two grid lines
    int largeur_colonne = largeur_colonne_minimum;
    int marge_gauche = 0;
    int largeur = 0;
    int hauteur = 0;

    int base() const { return hauteur - marge_verticale; } // y of the scale's 0
    int y_graduation(int k) const { return base() - k * unite; }
    int x_colonne(int rang) const { return marge_gauche + rang * largeur_colonne; }
    QRect barre(int rang, int valeur, int haut) const;
};

// `largeur_texte` measures a text in the chart's font; `largeur_titre` the title in its own font.
GeometrieStats geometrie_stats(
    const DonneesStats& d, const std::function<int(const QString&)>& largeur_texte, int largeur_titre);
