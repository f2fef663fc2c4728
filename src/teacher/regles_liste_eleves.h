#pragma once

#include "core/amenagement.h"
#include "core/choix_test.h"
#include "storage/index_historiques.h"
#include "storage/lecture_historique.h"
#include "storage/objectifs_tests_complets.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// The class follow-up list ("liste_eleves.txt"): one line per class and per pupil, each pupil with the score
// or the speed of the test chosen for him, class averages, three sorts; and the records list of the chosen
// tests. The tree of the console and `tabrix-outils liste` are built from it.

enum class TriListe
{
    nom,
    resultat,
    date
};

struct OptionsListeEleves
{
    QString dossier_eleves;
    QString etablissement; // "aucun": the pupils kept directly in dossier_eleves
    QString annee; // school-year folder of the establishment
    ModeChoixTest mode = ModeChoixTest::dernier;
    QString date; // dd/mm/yyyy
    bool rapidite = false; // show the speed instead of the score
    TriListe tri = TriListe::resultat;
    bool masquer_incomplets = false;
    ObjectifsTestsComplets objectifs; // what a complete test holds, when incomplete tests are hidden
    int temps_acceptable = 4;

    bool ecole() const;
    QString dossier_etablissement() const;
    ChoixTest choix(const QString& objectifs) const;
};

// The pupils to read, as the folders list them, before any file is opened.
struct EleveInventorie
{
    QString nom_fichier; // base name
    QString chemin; // history file
};
struct ClasseInventoriee
{
    QString nom; // empty for the pupils of dossier_eleves
    QString dossier;
    QVector<EleveInventorie> eleves;
};
struct Inventaire
{
    bool ecole = true;
    QString racine; // dossier_eleves
    QVector<ClasseInventoriee> classes; // classes without pupils left out
    int nombre_eleves() const;
};
Inventaire inventaire_eleves(const OptionsListeEleves& options);

// What one history gives to the list.
struct ResultatEleve
{
    bool illisible = false; // the file is there but could not be read
    TestChoisi test;
    int score = -1;
    int vitesse = -1;
    Amenagement amenagement = Amenagement::aucun; // from the pupil's own file
    bool teste() const { return test.trouve(); }
};
// One pupil as a spreadsheet row.
struct RangeeEleve
{
    QString classe;
    QString nom_fichier;
    QString date; // dd/mm/yyyy of the test, empty without one
    int score = -1;
    int vitesse = -1;
    Amenagement amenagement = Amenagement::aucun;
};

struct ListeEleves
{
    QStringList lignes; // the text of "liste_eleves.txt"
    QStringList chemins; // aligned with the lines: history, class folder, or the first line's entry
    QStringList records; // "liste_records.txt", ascending, the 50 best of the chosen tests
    QStringList illisibles; // base names of the histories that could not be read
    QVector<RangeeEleve> rangees; // in the order of the lines
};

// Lays out the list from the inventory and one result per pupil (in inventory order); reads no file.
ListeEleves assemble_liste(const Inventaire& inventaire, const QVector<ResultatEleve>& resultats,
    const OptionsListeEleves& options, const QDateTime& maintenant);

// Told after each pupil read; the console keeps its window alive with it.
using Progression = std::function<void(int faits, int total)>;
// Through `index` when given: only the histories changed since it learnt them are read in full.
ListeEleves creation_liste_eleves(const OptionsListeEleves& options, const QDateTime& maintenant,
    const Progression& progression = {}, IndexHistoriques* index = nullptr);

// Mean rounded to the nearest integer, halves to even; -1 for no value.
int moyenne_arrondie(const QVector<int>& valeurs);
// The displayed name: the base name with its first "_" made a non-breaking space.
QString nom_affiche(const QString& nom_fichier);

// Depth of a line of the list: its leading tabs (0 top line, 1 class, 2 pupil in the school layout).
int profondeur_ligne(const QString& ligne);
// The history files under line `index` of the list (the line itself included): one pupil, a class, or all.
QStringList chemins_eleves_du_noeud(const QStringList& lignes, const QStringList& chemins, int index);
