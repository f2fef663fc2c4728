#pragma once

#include <QString>

// Width of a text drawn by the PDF writer, in the writer's units, from the metrics of its standard fonts:
// the layout of a page places a text after another without any screen font.
double largeur_texte_pdf(int police, double taille, const QString& texte);
// Height above the baseline of the tallest letters (accents excluded), in the writer's units.
double hauteur_capitales_pdf(int police, double taille);
