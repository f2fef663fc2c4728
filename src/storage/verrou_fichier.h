#pragma once

#include <QLockFile>
#include <QString>

// Holds a lock file beside a file that several machines update, for as long as it lives. A lock left by a
// machine that stopped counts as stale after a minute.
class VerrouFichier
{
public:
    explicit VerrouFichier(const QString& chemin_fichier, int attente_ms = 5000);
    ~VerrouFichier();
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;

    // False when the lock could not be had in time: the caller then goes on without it.
    bool obtenu() const { return m_obtenu; }
    static QString chemin_verrou(const QString& chemin_fichier);

private:
    QLockFile m_verrou;
    bool m_obtenu = false;
};
