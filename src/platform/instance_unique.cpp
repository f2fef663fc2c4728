#include "platform/instance_unique.h"

#include <QDir>

static QString nom_utilisateur()
{
    QString nom = qEnvironmentVariable("USER");
    if (nom.isEmpty())
        nom = qEnvironmentVariable("USERNAME");
    QString sur;
    for (QChar c : nom)
        sur += (c.isLetterOrNumber() || c == u'-' || c == u'_') ? c : QChar(u'_');
    return sur;
}

InstanceUnique::InstanceUnique(const QString& dossier, const QString& nom)
{
    // Per user, as a session-local named mutex: a user left logged in must not block the next one.
    const QString utilisateur = nom_utilisateur();
    const QString base = utilisateur.isEmpty() ? nom : nom + QLatin1Char('-') + utilisateur;
    m_chemin = QDir(dossier.isEmpty() ? QDir::tempPath() : dossier).filePath(base + QStringLiteral(".lock"));
    m_verrou = std::make_unique<QLockFile>(m_chemin);
    m_verrou->setStaleLockTime(0); // held for the whole run: only a dead owner makes it stale
    m_premiere = m_verrou->tryLock(0);
}

InstanceUnique::~InstanceUnique()
{
    if (m_premiere)
        m_verrou->unlock();
}
