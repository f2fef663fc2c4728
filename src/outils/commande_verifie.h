#pragma once

#include "core/horloge.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// tabrix-outils verifie --eleves DOSSIER --etablissement NOM [--configuration Tabrix.ini]
//     [--statistiques DOSSIER] [--reparer]
// The health check of the school's share, grouped in French on standard output. Returns 0 when nothing was
// found, 1 when something was (repaired or not), 2 for bad arguments.
int commande_verifie(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge);
QString aide_verifie();
