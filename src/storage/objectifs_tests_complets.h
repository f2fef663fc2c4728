#pragma once

#include "core/etat.h"

#include <QString>
#include <QVector>

class FichierIni;

// Which tables a complete test holds, one rule for every page and export of the console: the objectives of
// the pupil's class level, as he is tested on them; for a level without any, or a pupil without a class,
// the default objectives every pupil starts from.
struct ObjectifsTestsComplets
{
    QString objectifs_niveaux; // "Objectifs tables classiques par niveaux"
    QVector<Niveau> niveaux; // the level table of the school year, to find the level of a class
    QString par_defaut; // "Objectifs tables classiques par defaut"; "" counts as the tables 2 to 9

    // The configuration's values, with the level table of `annee` (the current one when that year has none).
    static ObjectifsTestsComplets de_la_configuration(
        const FichierIni& configuration, const Reglages& reglages, const QString& annee);

    // Comma-separated table names.
    QString du_niveau(const QString& niveau) const;
    QString de_la_classe(const QString& classe) const;
};
