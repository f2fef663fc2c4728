#pragma once

#include "core/horloge.h"
#include "teacher/regles_progression.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

// Draws the chart into a PNG file; returns "" when written, else why not (French).
using EcrivainPngProgression = std::function<QString(const DonneesProgression&, const QString& chemin)>;

// tabrix-outils progression [--annee AAAA-AAAA] [--classes C1,C2] [--temps-acceptable S] [--csv]
//     [--png FICHIER] DOSSIER_ETABLISSEMENT
// The weekly mean score of classes over a school year. Returns 0 done, 1 the picture could not be written,
// 2 bad arguments.
int commande_progression(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs,
    const Horloge& horloge, const EcrivainPngProgression& ecrit_png);
QString aide_progression();
