#pragma once

#include "teacher/regles_progression.h"
#include "teacher/regles_stats_eleves.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

// The charts of tabrix-outils live in a module of their own, loaded only when a picture is asked for, so
// that the text commands load QtCore alone and no graphics library.
struct Dessins
{
    // A QGuiApplication, which measures and draws fonts and never opens a window.
    QCoreApplication* (*application)(int& argc, char** argv);
    // Each writes its chart as PNG; "" when written, else why not (French).
    QString (*png_stats)(const DonneesStats& d, const QString& chemin);
    QString (*png_progression)(const DonneesProgression& d, const QString& chemin);
};

inline constexpr char fichier_module_dessins[] = "tabrix-outils-dessins.so";
inline constexpr char entree_module_dessins[] = "tabrix_dessins";

// Where the module is looked for: beside the program (the build folder), then in the installed library
// folder `relatif` to the program's folder.
QStringList chemins_module_dessins(const QString& dossier_programme, const QString& relatif);

// The first module found among `chemins`, loaded; nullptr with why not (French) in `erreur`.
const Dessins* charge_dessins(const QStringList& chemins, QString& erreur);
