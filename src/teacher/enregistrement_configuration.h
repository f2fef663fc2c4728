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

// Answers a yes/no question (French) put to the teacher; true for yes.
using Confirmation = std::function<bool(const QString& question)>;

// Applies `ecrit` to the local Tabrix.ini and, when that file says "Ecole" and names a reachable server, to
// the master copy (server path + "/Tabrix/Tabrix.ini"), each read again just before. The master copy is
// written first, so that a save cut short between the two is not undone by the next start. Nothing is
// written when either file exists but cannot be read. A server path without its "Tabrix" folder may be a
// share that is not mounted: the folder and a master copy made from the local file are created there only
// when `confirme` accepts a first installation; otherwise the save stays on this machine.
BilanEnregistrement enregistre_configuration(const QString& chemin_local,
    const std::function<void(FichierIni&)>& ecrit, Plateforme& plateforme, const Confirmation& confirme);

QString chemin_copie_serveur(const QString& chemin_serveur);
