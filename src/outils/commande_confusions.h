#pragma once

#include "core/horloge.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// tabrix-outils confusions --annee DOSSIER [--classe NOM]… [--mode M] [--categories C,…] [--tri T] …
// The per-product statistics of the console's page "Statistiques produits", as text or CSV. Returns the exit
// status: 0 written, 1 no pupil or the file could not be written, 2 bad arguments.
int commande_confusions(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge);

QString aide_confusions();
