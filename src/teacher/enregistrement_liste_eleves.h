#pragma once

#include "storage/fichier_texte.h"
#include "storage/records.h"
#include "teacher/regles_liste_eleves.h"

inline const QString nom_liste_eleves = QStringLiteral("liste_eleves.txt");

struct EnregistrementListe
{
    Ecriture liste; // "liste_eleves.txt"
    Ecriture records; // "liste_records.txt"; ok and untouched when the build gave no records list
    QString chemin_liste;
};

// Writes "liste_eleves.txt" into the statistics folder (made when missing) and, for a school list, the
// records list where the program reads it: the server copy when there is one, and the local copy. Each file
// is replaced whole or left as it was.
EnregistrementListe enregistre_liste_eleves(const ListeEleves& liste, bool ecole,
    const QString& dossier_statistiques, const CheminsRecords& records, int attente_verrou_ms = 5000);
