#pragma once

#include "core/etat.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"

#include <QString>

// The pupil's own file (base name + ".ini", section "config perso"): his objectives and his preference for
// working on the gaps only. Read at identification and written at the end of the séance, both only when
// "Autorise configuration personnelle" is "oui".

namespace cles_perso {
inline const QString section = QStringLiteral("config perso");
inline const QString objectifs = QStringLiteral("Objectifs tables classiques");
inline const QString trous = QStringLiteral("ne travailler que les trous");
inline const QString aucun = QStringLiteral("*");
inline const QString amenagement = QStringLiteral("Temps aménagé");
} // namespace cles_perso

// In the folder where the pupil was found (else that of his history file); empty when he has no name yet.
QString chemin_config_perso(const IdentiteEleve& identite);

// Applies the file's choices: objectives that name at least one product replace the level's, "oui" or
// "non" replaces the preference; anything else is left as it was.
void applique_config_perso(const FichierIni& ini, EtatEleve& eleve);

// The pupil's file of a history file: beside it, base name + ".ini".
QString chemin_config_perso_de_historique(const QString& chemin_historique);
// The extra time kept in a pupil's file; none when the file is absent, unreadable or without the key.
Amenagement lit_amenagement(const QString& chemin_ini);
// Keeps the extra time in the pupil's file, created for it if need be, every other line left as it was.
Ecriture ecrit_amenagement(const QString& chemin_ini, Amenagement amenagement);

// At identification. The extra time is read whatever the settings: it is the teacher's, not the pupil's.
// The preference first returns to the default of Tabrix.ini, so that a pupil never
// inherits the previous pupil's choice; then the pupil's file is applied when allowed and present.
// Returns whether a file was read.
bool lit_config_perso(const Reglages& reglages, EtatEleve& eleve);

// True unless the pupil's choices are the defaults and he has no file yet (a file, once made, is kept).
bool config_perso_a_ecrire(const Reglages& reglages, const EtatEleve& eleve, bool fichier_present);

// At the end of the séance; nothing to write, or not allowed, is a success.
Ecriture ecrit_config_perso(const Reglages& reglages, EtatEleve& eleve);
