#pragma once

#include "teacher/regles_stats_eleves.h"

#include <QFont>
#include <QImage>

// The teacher charts' font: Arial or what stands for it.
QFont police_graphique(int points, bool gras = false, bool italique = false);
// A white picture of the screen's resolution, so that the fonts measure as they will be drawn on it.
QImage image_vierge(int largeur, int hauteur);

// The class statistics chart: scale, blue grid, yellow bars with their values and labels, the pupil count
// in red and the title in bold italic.
QImage graphique_stats_eleves(const DonneesStats& d);

// Replaces the file with the picture as PNG; "" when written, else why not (French).
QString enregistre_png(const QImage& image, const QString& chemin);
