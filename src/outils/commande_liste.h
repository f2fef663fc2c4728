#pragma once

#include "core/horloge.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// tabrix-outils liste --eleves DOSSIER --etablissement NOM|aucun [--annee AAAA-AAAA] [test choice]
// [--rapidite]
//     [--tri nom|resultat|date] [--masquer-incomplets] [--csv] [-o FICHIER]
// The class follow-up list of the teacher console, on standard output or into a file. Returns 0 when the
// list is out, 1 when the file could not be written, 2 for bad arguments.
int commande_liste(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge);

QString aide_liste();
