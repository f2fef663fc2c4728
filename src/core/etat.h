#pragma once

#include "core/amenagement.h"

#include <QString>
#include <QStringList>
#include <QVector>

// State shared by the start-up, the dashboard and the activities. Plain data: the code that fills it
// lives in storage/ (reading files) and seance/ (start-up and pupil session).

struct Niveau
{
    QString nom; // at most 10 characters
    QStringList classes; // at most 20, names of at most 10 characters
};

// Program-wide settings read from Tabrix.ini at start.
struct Reglages
{
    bool mode_ecole = false;
    QString chemin_serveur; // without trailing separator
    QString nom_etablissement;
    QString annee_scolaire; // "2024-2025"
    QVector<Niveau> niveaux; // at most 15

    QString dossier_programme; // working folder, with a trailing "/"
    QString dossier_eleves;
    QString dossier_etablissement; // school mode: dossier_eleves + "/" + establishment
    QString dossier_annee; // school mode: dossier_etablissement + "/" + school year
    QString dossier_monoposte; // value of "Dossier élèves monoposte"
    QString dossier_statistiques_local;
    QString dossier_statistiques_serveur;

    bool serveur_accessible = true;
    bool poste_serveur = true; // this machine is the server (always at home)

    int temps_reponse_acceptable = 4; // T of the product score, seconds
    int temps_reponse_maximum = 20; // per question in a test, seconds (1–99)
    int temps_reponse_initial = 8; // perfecting
    int temps_reponse_final = 4;
    QString ordre_rangement_items = QStringLiteral("par tables");
    bool trous_par_defaut = false; // "ne travailler que les trous"
    int nombre_items_par_bloc = 3;
    QString formule_recursive = QStringLiteral("1.1.2.1.3");
    QString code_acces_professeur;
    bool code_prof_requis = false;
    bool identification_par_code = false;
    bool chrono_test_visible = true;
    bool bouton_pause_test_visible = true;
    bool masquer_tests_incomplets = false;
    bool configuration_personnelle = true;
    bool apprentissage_obligatoire = false;
    QString objectifs_par_defaut; // raw value of "Objectifs tables classiques par defaut"
    QString objectifs_etendus_par_defaut;
};

// Who is working, as the identification window settles it.
struct IdentiteEleve
{
    QString chemin_historique; // full path of the history file
    QString nom_fichier; // base name: family name + "_" + first name
    QString nom;
    QString prenom;
    QString classe; // empty when none
    QString niveau;
    QString dossier_liste; // folder in which the pupil was found (per-pupil .ini lives there)
    QString dossier_classe; // empty when no class
    QString code; // four characters

    bool identifie() const { return !nom.isEmpty() && !prenom.isEmpty(); }
};

// One tested day of the chart: the date key ("Mardi 03/12/2024") and the percentage.
struct JourTest
{
    QString cle;
    int pourcentage = -1;
};

// The pupil's learning choice on the dashboard.
struct ReglageMemorisation
{
    int nombre_voulu = 8;
    bool tables_entieres = true;
    int nombre_tables = 1;
};

// The main window's state for one pupil's séance.
struct EtatEleve
{
    IdentiteEleve identite;
    bool nouvel_eleve = true;
    bool historique_illisible = false; // the file exists but could not be read: recording must not replace it
    QStringList historique;
    // Size and date (ms) of the history file when this machine last read or wrote it; -1: it was absent.
    qint64 taille_historique_vue = -1;
    qint64 date_historique_vue = 0;
    QStringList seance_en_cours;
    QVector<JourTest> jours_tests;
    QStringList lignes_tests_retenues; // same order as jours_tests
    QString dernier_test; // records only
    bool seance_deja_aujourdhui = false;
    bool test_fait = false;

    QString objectifs; // comma-separated table names
    QStringList produits_etudies;
    QStringList classement_tables;
    QStringList classement_produits;
    QStringList produits_a_memoriser;
    ReglageMemorisation memorisation;
    QString preference_trous = QStringLiteral("oui"); // per-pupil preference, "oui" until a file is read
    bool fichier_perso_existe = false;
    Amenagement amenagement
        = Amenagement::aucun; // from his file, whether personal settings are allowed or not

    // Séance stamps, taken at start and again at identification.
    QString date_seance; // dd/mm/yyyy
    QString jour_seance; // "Lundi" … "Dimanche"
    QString heure_debut; // hh:mm:ss
};
