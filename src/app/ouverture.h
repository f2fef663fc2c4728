#pragma once

#include <QString>
#include <memory>

class Horloge;
class Plateforme;
class Tgeneral;

// Once per run, before any window: the program's name and version, and its hint balloons.
void prepare_application();

// The main window as a launch opens it: session and school started, shown maximised; the identification
// opens as soon as the event loop runs. The clock and the platform must outlive the window.
std::unique_ptr<Tgeneral> ouvre_tabrix(
    const QString& dossier_travail, const Horloge& horloge, Plateforme& plateforme);
