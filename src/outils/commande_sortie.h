#pragma once

#include <QString>
#include <QStringList>

// Where a command of tabrix-outils may write: never over what it reads, nor over a file of the school that
// is not of the kind it writes.

enum class GenreSortie
{
    texte, // a list or a table of statistics
    liste_eleves, // the class follow-up list, which may replace the console's "liste_eleves.txt"
    pdf,
    png
};

struct LecturesCommande
{
    QStringList fichiers; // files the command reads
    QStringList dossiers_historiques; // folders whose "*.txt" files are pupils' histories
};

// Why the command must not write `sortie` (French, one sentence), or "" when it may. A character device or
// a FIFO may be written to: nothing stands there to be lost.
QString sortie_refusee(const QString& sortie, GenreSortie genre, const LecturesCommande& lectures);
