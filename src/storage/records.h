#pragma once

#include "core/etat.h"
#include "storage/fichier_texte.h"

#include <QString>
#include <QStringList>

// "liste_records.txt": one line per pupil, score on 3 digits, speed on 3 digits, base name; ascending text
// order without regard to case, so the best line is the last; at most 50 lines.

constexpr int taille_max_records = 50;

struct CheminsRecords
{
    QString serveur; // empty when there is no server copy to look for (home mode, server unreachable)
    QString local;
};
CheminsRecords chemins_records(const Reglages& reglages);

// Score and speed are kept within 0–999 so that the columns stay fixed.
QString ligne_record(int score, int vitesse, const QString& nom_fichier);
// Sorted without regard to case, blank lines and repeated lines dropped.
QStringList trie_records(const QStringList& lignes);

// At start: the server copy (also written over the local one), else the local copy, else an empty list.
QStringList charge_liste_records(const CheminsRecords& chemins);

struct ResultatRecords
{
    int rang = 0; // 1 for the best line; 0 when the new line did not stay in the list
    Ecriture ecriture; // the write of the list, when there was one
    bool verrou = true; // false when the lock could not be had in time (the update went on without it)
};

// Reloads the list under the lock beside the file, puts in the pupil's new line (replacing his older one),
// keeps the 50 best and writes the list back when the new line stayed in it.
ResultatRecords mise_a_jour_records(QStringList& liste, int score, int vitesse, const QString& nom_fichier,
    const CheminsRecords& chemins, int attente_verrou_ms = 5000);

// Display lines, best first: " 92% Dupont Marie........... (14)"; "Aucun record." for an empty list.
QStringList decode_liste_records(const QStringList& liste);
