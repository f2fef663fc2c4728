#pragma once

#include "core/horloge.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// tabrix-outils bilan [--classe NOM] [--etablissement NOM] [--temps-acceptable S]
//     [--dernier-au JJ/MM/AAAA | --premier-a-partir-du JJ/MM/AAAA] -o FICHIER.pdf HISTORIQUE.txt…
// One report page per history, in the order given. Returns the exit status: 0 written, 1 nothing to write
// or the file could not be written (no file is left then), 2 bad arguments.
int commande_bilan(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge);

QString aide_bilan();
QString aide_generale();
