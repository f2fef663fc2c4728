#pragma once

#include "storage/fichier_texte.h"

#include <QString>
#include <optional>

// A class shortcut: a small Windows-1252 text file named base name + ".lnk" whose one line is the path of
// the pupil's history file. The listings rely on its name only.

QString chemin_raccourci(const QString& dossier, const QString& nom_fichier);
// Creates the shortcut unless one of that name is already there (which is left unchanged).
Ecriture cree_raccourci(const QString& dossier, const QString& nom_fichier, const QString& cible);
// The target written in the shortcut; nullopt when it cannot be read or names nothing.
std::optional<QString> cible_raccourci(const QString& chemin);
