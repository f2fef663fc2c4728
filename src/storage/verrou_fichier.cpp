#include "storage/verrou_fichier.h"

VerrouFichier::VerrouFichier(const QString& chemin_fichier, int attente_ms)
    : m_verrou(chemin_verrou(chemin_fichier))
{
    m_verrou.setStaleLockTime(60000);
    m_obtenu = m_verrou.tryLock(attente_ms);
}

VerrouFichier::~VerrouFichier()
{
    if (m_obtenu)
        m_verrou.unlock();
}

QString VerrouFichier::chemin_verrou(const QString& chemin_fichier)
{
    return chemin_fichier + QStringLiteral(".lock");
}
