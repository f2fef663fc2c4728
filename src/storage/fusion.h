#pragma once

#include "storage/fichier_texte.h"

#include <QString>
#include <QStringList>

// Two copies of one history become one: every line of either, once, in date and start-time order.
// A line takes the 16-character key yyyymmddhh:mm:ss of its séance header, with characters 9 to 16 replaced
// by characters 10 to 17 of the line itself (the start time of a test); lines identical without regard to
// case are kept once, and of two headers of one séance that differ only by their end time, the later.
QStringList fusionne_lignes(const QStringList& local, const QStringList& serveur);

// Merges the two files and writes the result to both. A copy that exists but cannot be read stops the merge
// before anything is written.
Ecriture fusionne_historiques(const QString& local, const QString& serveur);
