#pragma once

#include <QLockFile>
#include <QString>

// Holds a lock file beside a file that several machines update, for as long as it lives. A lock left by a
// machine that stopped counts as stale after a minute. The lock file is the one QLockFile makes (same name,
// same content, same flock), so that every version of the program on the school's machines honours it.
class VerrouFichier
{
public:
    explicit VerrouFichier(const QString& chemin_fichier, int attente_ms = 5000);
    ~VerrouFichier();
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;

    // False when the lock could not be had in time: the caller then goes on without it.
    bool obtenu() const { return m_fd >= 0 || m_verrou.isLocked(); }
    static QString chemin_verrou(const QString& chemin_fichier);
    // What QLockFile writes into a lock file of this process: pid, program, machine and its identifiers.
    static const QByteArray& contenu_verrou();

private:
    // Creates the lock file as QLockFile does, less its sync to disk: a lock file holds no data, and a
    // lock lost in a power cut is better than one found again. -1 when the file is there or cannot be made.
    int cree_sans_synchroniser() const;

    QString m_chemin;
    QLockFile m_verrou; // only for a lock found on the way: QLockFile judges whether it is stale
    int m_fd = -1;
};
