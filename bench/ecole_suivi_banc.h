#pragma once

#include "support/ecole_de_banc.h"
#include "teacher/regles_liste_eleves.h"

// The school of the benchmarks with the follow-up's choice of its tests: the last one on or before
// 15/10/2024.
struct EcoleSuiviDeBanc : EcoleDeBanc
{
    OptionsListeEleves options;

    EcoleSuiviDeBanc()
    {
        options.dossier_eleves = dossier.path();
        options.etablissement = generee.etablissement;
        options.annee = generee.annee;
        options.date = QStringLiteral("15/10/2024");
    }
};
