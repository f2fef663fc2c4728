#pragma once

#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"

// The default configuration of the school "Collège Test", whose server share is the folder `serveur`.
inline FichierIni configuration_ecole_test(const QString& serveur)
{
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.ecrit_texte(cles::general, cles::mode, QStringLiteral("Ecole"));
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, serveur);
    ini.ecrit_texte(cles::etablissement, cles::nom, QStringLiteral("Collège Test"));
    return ini;
}
