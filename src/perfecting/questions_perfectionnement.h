#pragma once

#include "core/hasard.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The inverse tables: a product value and the factor pairs of the studied set that give it.

enum class NiveauPerfectionnement
{
    facile, // one factor of each pair is shown
    pas_facile,
    pas_facile_du_tout // both factors, against a time limit
};

QString texte_niveau(NiveauPerfectionnement niveau); // "facile", "pas facile", "pas facile du tout"
std::optional<NiveauPerfectionnement> niveau_de_texte(const QString& texte);

// The window has fields for three pairs: an entry with more pairs asks three of them at a time.
constexpr int paires_posees_max = 3;

// One entry per product value: the value on 4 digits then the codes "aabb" of its pairs (first factor not
// above the second), in studied order; the list sorted as text. "0036" + "0409" + "0606".
QStringList questions_perfectionnement(const QStringList& produits_etudies);
int nombre_paires(const QString& entree);
// K: the pairs asked over one cycle (at most three per entry).
int total_paires(const QStringList& questions);
// 100 div (K + (C + 1) div 4), at least 1 so that the level always ends.
int points_par_paire(const QStringList& questions);
// Values that follow an evident pattern (constant second or third differences) must not be asked in order.
// Sets of fewer than four values are always treated as evident.
bool motif_evident(const QStringList& questions);

// Exchanges each position m = C … 1 with a random one in 1 … m. Index 0 is unused.
void melange_des_questions(QVector<int>& ordre, Hasard& hasard);
// The entries of the next cycle (index 0 unused), drawn by systematic sampling: the lower the speed, the
// more often an entry comes back. `tirage` is a uniform real in [0, 1).
QVector<int> ordre_cycle_suivant(const QVector<double>& vitesses, double tirage);
