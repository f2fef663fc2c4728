#pragma once

#include "core/etat.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What the dashboard draws from a history: one test per tested day, the first of the day that qualifies.
struct DonneesHistorique
{
    QVector<JourTest> jours_tests; // every tested day, in file order (no limit on their number)
    QStringList lignes_tests_retenues; // same order
    QString dernier_test; // records of the last retained test
    QString derniere_cle; // date key of the last header of the file
    bool seance_deja_aujourdhui = false;
};

enum class ChargementHistorique
{
    absent,
    lu,
    illisible
};

// Loads the history named by the pupil's identity. Missing: a new pupil with an empty history. Present but
// unreadable (a share that fails for a moment): not a new pupil, and marked so that recording his séance
// never replaces the file with the séance alone.
ChargementHistorique charge_historique(EtatEleve& eleve);
// Notes the size and date of the history file, to tell later whether another machine changed it.
void note_fichier_historique(EtatEleve& eleve, const QString& chemin);

// `objectifs`: comma-separated table names; `T`: the acceptable response time; `cle_aujourdhui`: such as
// "Mardi 03/12/2024". Lines that are neither headers nor tests are skipped; nothing here can fail.
DonneesHistorique recupere_donnees(const QStringList& historique, const QString& objectifs,
    bool masquer_incomplets, int T, const QString& cle_aujourdhui);

// Fills jours_tests, the retained lines, dernier_test and the séance-already-today flag of the pupil.
void recupere_donnees(EtatEleve& eleve, const Reglages& reglages, const QString& cle_aujourdhui);
