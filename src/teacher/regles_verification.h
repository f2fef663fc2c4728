#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class FichierIni;

// The health check of a school's share (`tabrix-outils verifie`, "Vérifier" on "Maintenance"): it reads the
// whole establishment folder and says what is wrong, grouped; on request it repairs only what loses nothing.

struct OptionsVerification
{
    QString dossier_eleves;
    QString etablissement;
    QString dossier_statistiques; // records list and dated folder of the repairs; empty: neither
    // For each school year ("2024-2025"), the classes the establishment names; a year left out is not judged.
    QHash<QString, QStringList> classes_par_annee;
    bool reparer = false;

    QString dossier_etablissement() const;
};

// The classes of every "Niveaux et classes " + year key of the configuration.
QHash<QString, QStringList> classes_de_la_configuration(const FichierIni& configuration);

enum class GenreConstat
{
    illisible, // a history that cannot be read
    reste_de_panne, // a set-aside copy or a stale temporary of an interrupted write
    deux_copies, // two history files of one pupil (letter case, or one left in "Hors classe")
    deux_classes, // one pupil's shortcut in two classes of one year
    classe_inconnue, // a class folder the establishment's classes of that year do not name
    date_future, // the last séance is dated after today (a machine's clock ahead)
    desordre, // séances out of date order
    records, // a line of the records list names a pupil without history
    inconnu // a file or folder the program does not make
};

struct Constat
{
    GenreConstat genre = GenreConstat::inconnu;
    QString chemin;
    QString detail; // in French, may be empty
    QStringList autres; // the other files of the same finding (the second copy, the other class folders)
};

struct RapportVerification
{
    int historiques = 0;
    int dossiers_classes = 0;
    QVector<Constat> constats;
    QStringList reparations; // what --reparer did, one French sentence each
    QStringList echecs; // what it could not do

    bool rien_a_signaler() const { return constats.isEmpty(); }
    int nombre(GenreConstat genre) const;
};

// `maintenant`: the clock, for the dates in the future, the age of temporaries and the dated folder.
RapportVerification verifie_partage(const OptionsVerification& options, const QDateTime& maintenant);

// The report as the command prints it and the page shows it: a heading, then one group per kind of finding
// with its count and its paths, then the repairs.
QStringList texte_rapport(const RapportVerification& rapport, const OptionsVerification& options);
// The group heading of a kind of finding ("Historiques illisibles").
QString titre_constat(GenreConstat genre);
