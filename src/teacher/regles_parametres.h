#pragma once

#include "storage/fichier_ini.h"

#include <QString>

// The keys only the teacher console edits: the server path, the three folders and the access code. The
// other parameters are shared with the "Réglages" dialog.

struct ParametresConsole
{
    QString chemin_serveur;
    QString dossier_eleves_reseau; // shown without its "{Chemin serveur}\" prefix
    QString dossier_eleves_monoposte;
    QString dossier_statistiques;
    QString code_professeur;
};

// Missing keys read as "fichier Tabrix.ini endommagé", except the access code (none).
ParametresConsole lit_parametres_console(const FichierIni& ini);
// The network folder gets its "{Chemin serveur}\" prefix back; the server path is written as given.
void ecrit_parametres_console(FichierIni& ini, const ParametresConsole& p);

// French reason why the fields cannot be saved: one still holds the damaged-file text shown for a missing
// key, which saved would become a folder of that name. Empty when they can.
QString refus_parametres_console(const ParametresConsole& p);

// The server path as saved: one trailing "\" (or "/") removed.
QString chemin_serveur_enregistre(const QString& saisi);
QString dossier_reseau_affiche(const QString& valeur);
QString dossier_reseau_enregistre(const QString& affiche);
