#pragma once

#include "teacher/regles_progression.h"

#include <QImage>

// The progress charts, score bands behind: a pupil's test days over a school year (score, and speed on the
// right-hand scale), and the weekly mean score of classes.
QImage graphique_progression_eleve(const QVector<PointProgression>& points, const QString& annee);
QImage graphique_progression_classes(const DonneesProgression& d);
