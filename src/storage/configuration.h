#pragma once

#include "core/etat.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/niveaux.h"

#include <QString>
#include <QStringList>

// Tabrix.ini: its sections and keys, the program-wide settings read from it at start, the server path
// placeholder, the school year and the school-year set-up.

namespace cles {
inline const QString fichier = QStringLiteral("Tabrix.ini");

inline const QString general = QStringLiteral("General");
inline const QString mode = QStringLiteral("Mode");
inline const QString configuration_personnelle = QStringLiteral("Autorise configuration personnelle");

inline const QString dossiers = QStringLiteral("Dossiers");
inline const QString chemin_serveur = QStringLiteral("Chemin serveur");
inline const QString dossier_eleves_reseau = QStringLiteral("Dossier élèves en réseau");
inline const QString dossier_eleves_monoposte = QStringLiteral("Dossier élèves monoposte");
inline const QString dossier_statistiques = QStringLiteral("Dossier statistiques");

inline const QString etablissement = QStringLiteral("Etablissement");
inline const QString nom = QStringLiteral("Nom");
inline const QString objectifs_classiques_niveaux = QStringLiteral("Objectifs tables classiques par niveaux");
inline const QString objectifs_etendus_niveaux = QStringLiteral("Objectifs tables etendues par niveaux");

inline const QString parametres = QStringLiteral("Paramètres");
inline const QString temps_acceptable = QStringLiteral("Temps de réponse acceptable");
inline const QString temps_maximum = QStringLiteral("Temps de réponse maximum");
inline const QString objectifs_classiques_defaut = QStringLiteral("Objectifs tables classiques par defaut");
inline const QString objectifs_etendus_defaut = QStringLiteral("Objectifs tables etendues par defaut");

inline const QString perfectionnement = QStringLiteral("Perfectionnement");
inline const QString temps_initial = QStringLiteral("Temps de réponse initial");
inline const QString temps_final = QStringLiteral("Temps de réponse final");
inline const QString apprentissage_obligatoire
    = QStringLiteral("Apprentissage obligatoire avant perfectionnement");

inline const QString options_apprentissage = QStringLiteral("Options d'apprentissage");
inline const QString ordre_items = QStringLiteral("Ordre rangement items");
inline const QString trous = QStringLiteral("ne travailler que les trous");

inline const QString apprentissage_blocs = QStringLiteral("Apprentissage par blocs");
inline const QString items_par_bloc = QStringLiteral("Nombre d'items par bloc");
inline const QString formule = QStringLiteral("Formule récursive");

inline const QString codes = QStringLiteral("Codes");
inline const QString code_professeur = QStringLiteral("Code d'accès professeur");
inline const QString identification_par_code = QStringLiteral("Identification par code");

inline const QString apparence = QStringLiteral("Apparence");
inline const QString chrono_visible = QStringLiteral("Chrono test visible");
inline const QString pause_visible = QStringLiteral("Bouton pause test visible");
inline const QString masquer_incomplets = QStringLiteral("Masquer tests incomplets");

inline const QString placeholder_serveur = QStringLiteral("{Chemin serveur}");
inline const QString formule_par_defaut = QStringLiteral("1.1.2.1.3");
inline const QString objectifs_classiques_tous
    = QStringLiteral("table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9");
inline const QString etablissement_par_defaut = QStringLiteral("Collège de Valbrume");

// "Niveaux et classes " + school year.
inline QString niveaux_et_classes(const QString& annee_scolaire)
{
    return QStringLiteral("Niveaux et classes ") + annee_scolaire;
}
} // namespace cles

// Only "oui" means yes; anything else, the damaged-file text included, means no.
bool vaut_oui(const QString& valeur);
// Stored paths may come from Windows: "\" becomes "/".
QString chemin_local(const QString& valeur);
// The "{Chemin serveur}" placeholder, where it stands, becomes the server path (both in "/" form).
QString remplace_chemin_serveur(const QString& valeur, const QString& chemin_serveur);
// The offered formulas have 7 to 11 characters. 32 leave room for a base of eight blocks each followed by its
// review (1.1.2.1.3.1.4.1.5.1.6.1.7.1.8.8), and keep the longest plan for the 86 blocks of 173 products near
// 1,200 steps (1.1.2.2.2…, which grows by about 80 steps per "2"), where 40,000 characters made 1.64 million.
inline constexpr int longueur_formule_maximum = 32;
// A list of positive integers, at most longueur_formule_maximum characters, whose pattern introduces exactly
// `base` blocks (base ≥ 2) and never reviews more blocks than it has introduced: the only formulas from
// which a learning plan can be built.
bool formule_utilisable(const QString& formule);
// The codes that are products of Tabrix's tables, each once, in their order.
QStringList garde_produits_connus(const QStringList& codes);

// Reads every key of Tabrix.ini except the levels and objectives into program-wide settings. Values that
// would break an activity fall back to a usable one, each told in `remarques` (French). Folders: in school
// mode `dossier_eleves` is the network folder; the start-up switches it to the single-machine folder when
// the server cannot be reached.
Reglages lit_reglages(
    const FichierIni& ini, const QString& dossier_programme, QStringList* remarques = nullptr);

// The school year `decalage` years later (negative: earlier); empty when the text is not a school year.
QString annee_scolaire_decalee(const QString& annee_scolaire, int decalage);

struct ConfigurationRentree
{
    QString nom_etablissement; // "Collège de Valbrume" when the file names none
    QString annee_reprise; // school year whose classes are offered again; empty: the default classes
    QString valeur_niveaux;
    LectureNiveaux niveaux;
};

// What the new-school-year page starts from: the most recent levels and classes stored within the last ten
// school years, else the default ones.
ConfigurationRentree configuration_rentree(const FichierIni& ini, const QString& annee_scolaire);

// Writes the compiled-in home-mode Tabrix.ini into the folder when it holds none; an existing file is kept.
Ecriture ecrit_configuration_par_defaut(const QString& dossier);
QByteArray configuration_par_defaut(); // the compiled-in file's bytes
