#pragma once

#include <QString>

// What the operating system gives to the code below the windows. The program passes PlateformeSysteme
// (src/platform/), tests a fake.
class Plateforme
{
public:
    virtual ~Plateforme() = default;

    // The machine's network name; empty when it cannot be obtained.
    virtual QString nom_ordinateur() const = 0;
    // Whether the path is a readable folder, answered within `delai_ms` (an unreachable share answers false).
    virtual bool chemin_accessible(const QString& chemin, int delai_ms = 3000) = 0;

    // Toggle states of the keyboard locks, and setting them (nothing where the system gives no access).
    virtual bool verrouillage_numerique() const = 0;
    virtual bool verrouillage_majuscules() const = 0;
    virtual void fixe_verrouillage_numerique(bool actif) = 0;
    virtual void fixe_verrouillage_majuscules(bool actif) = 0;

    // Sends the file or folder to the trash, or removes it where there is none. False when it is still there.
    virtual bool met_a_la_corbeille(const QString& chemin) = 0;
};
