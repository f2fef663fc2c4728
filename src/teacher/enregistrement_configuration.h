#pragma once

#include "storage/fichier_ini.h"

#include <QString>
#include <functional>

class Plateforme;

// Where a console save goes. In school mode every start replaces this machine's Tabrix.ini by the server
// master copy when they differ, so a save must reach that copy too, or the next start would undo it.
struct BilanEnregistrement
{
    bool local = false; // this machine's Tabrix.ini was replaced
    bool serveur = false; // the server master copy was replaced (or created)
    QString message; // French, empty when everything went where it should
};

// Re-reads the local Tabrix.ini, applies `ecrit` and replaces the file atomically. Then, when that file says
// "Ecole" and names a reachable server, applies `ecrit` to the master copy (server path + "/Tabrix/
// Tabrix.ini"; made from the local file when missing) and replaces it atomically. A local file that cannot
// be written is left as it was, and then the server is not touched either.
BilanEnregistrement enregistre_configuration(
    const QString& chemin_local, const std::function<void(FichierIni&)>& ecrit, Plateforme& plateforme);

QString chemin_copie_serveur(const QString& chemin_serveur);
