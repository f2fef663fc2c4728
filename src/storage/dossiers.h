#pragma once

#include "core/etat.h"
#include "storage/fichier_texte.h"

#include <QString>
#include <QStringList>

// Where the pupils' files live, and the folder listings the identification and the teacher console use.

// Accepts paths written on Windows ("\") as well as ours.
QString chemin_normalise(const QString& chemin);

// Names of the sub-folders matching the mask ("." and ".." excluded), sorted without regard to case.
QStringList sous_dossiers(const QString& dossier, const QString& masque = QStringLiteral("*"));
// Names of the files matching the mask ("*.txt", "*.lnk"; any case of the extension), sorted likewise.
QStringList fichiers_du_dossier(const QString& dossier, const QString& masque);

QString dossier_hors_classe(const QString& dossier_etablissement);
// The single-machine folder of the establishment: dossier_programme + "Dossier élèves monoposte" +
// establishment.
QString dossier_monoposte_etablissement(const Reglages& reglages);

// The history file of a pupil. In school mode it is always in dossier_etablissement, pupils without a class
// included: so a pupil keeps one history whether he is found by name, by code, in a class or in "Hors
// classe".
QString chemin_historique_eleve(const Reglages& reglages, const QString& nom_fichier);

// The pupils listed under "aucune": the shortcuts of "Hors classe", and any history file left there by an
// older installation. File names ending in ".txt", one per pupil, sorted without regard to case.
QStringList eleves_hors_classe(const QString& dossier_etablissement);

// The class of the pupil in the school year of the date key ("Mardi 03/12/2024"); "" when none.
QString classe_a_la_date(
    const QString& dossier_etablissement, const QString& nom_fichier, const QString& cle_date);

// School start-up: dossier_etablissement, "Hors classe", dossier_annee and every class folder of the year.
// A class name that could leave the year's folder is skipped. Reports the first folder that could not be
// made.
Ecriture cree_dossiers_ecole(const Reglages& reglages);

// Sends a file to the trash, or removes it where there is no trash. False when it is still there.
bool envoie_a_la_corbeille(const QString& chemin);
