#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per user session: a lock file in the temporary folder, named after "_Tabrix".
// The lock is held while the object lives; a lock left by a program that died is taken over.
class InstanceUnique
{
public:
    // `dossier` empty: the system's temporary folder. `nom` is the lock's base name.
    explicit InstanceUnique(const QString& dossier = {}, const QString& nom = QStringLiteral("_Tabrix"));
    ~InstanceUnique();
    InstanceUnique(const InstanceUnique&) = delete;
    InstanceUnique& operator=(const InstanceUnique&) = delete;

    // True when this process holds the lock: false means another instance runs (or the lock is not ours).
    bool premiere() const { return m_premiere; }
    QString chemin() const { return m_chemin; }

private:
    QString m_chemin;
    std::unique_ptr<QLockFile> m_verrou;
    bool m_premiere = false;
};
