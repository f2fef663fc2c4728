#pragma once

#include "settings/parametres_generaux.h"

#include <QString>
#include <QStringList>

struct EnregistrementReglages
{
    bool ok = false;
    QString erreur; // French; when not ok nothing was written and the file is as it was
    QStringList remarques; // French, after a save: what the restart will or will not bring
};

// Writes every key of the "Réglages" dialog into the Tabrix.ini at `chemin`, read again just before so that
// keys changed elsewhere meanwhile are kept; a missing file starts from the compiled-in one. Refuses an
// unusable formula and a file that exists but cannot be read (writing it would lose its other keys).
// `p` then shows what was written (see ecrit_reglages).
EnregistrementReglages enregistre_reglages(const QString& chemin, ParametresGeneraux& p);
