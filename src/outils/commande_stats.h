#pragma once

#include "core/horloge.h"
#include "teacher/regles_stats_eleves.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

// Draws the chart into a PNG file; returns "" when written, else why not (French).
using EcrivainPng = std::function<QString(const DonneesStats&, const QString& chemin)>;

// tabrix-outils stats [--abscisse A] [--ordonnee O] [--dernier-au D | --premier-a-partir-du D]
//     [--classes C1,C2] [--masquer-incomplets TABLES] [--temps-acceptable S] [--csv] [--png FICHIER]
//     (--niveaux VALEUR | --ini Tabrix.ini) [--annee AAAA-AAAA] DOSSIER_ETABLISSEMENT
// The class statistics of the console's page. Returns 0 done, 1 the picture could not be written, 2 bad
// arguments.
int commande_stats(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs,
    const Horloge& horloge, const EcrivainPng& ecrit_png);

QString aide_stats();
