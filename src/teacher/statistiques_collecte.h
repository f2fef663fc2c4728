#pragma once

#include "storage/lecture_historique.h"

class IndexHistoriques;

#include <QString>
#include <QStringList>
#include <QVector>

// Gathers, for the chosen classes, one test per pupil: what the per-product statistics are computed on.

struct ClasseChoisie
{
    QString dossier; // the class folder of the school year, one shortcut per pupil
    QString objectifs; // the level's table names, for hiding incomplete tests
};

struct Collecte
{
    QStringList reponses; // one run of answer records per tested pupil
    int nombre_eleves = 0; // N: every pupil of the classes, tested or not
    QStringList illisibles; // histories that exist but could not be read, each named once
};

// A pupil is a shortcut of a class folder; his history is dossier_etablissement + base name + ".txt". A
// missing or unreadable history counts in N as a pupil without a test.
// `choix`'s objectives are those of each class. Through `index` when given.
Collecte collecte_reponses(const QVector<ClasseChoisie>& classes, const QString& dossier_etablissement,
    const ChoixTest& choix, IndexHistoriques* index = nullptr);
