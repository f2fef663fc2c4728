#include "storage/verrou_fichier.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QThread>

VerrouFichier::VerrouFichier(const QString& chemin_fichier, int attente_ms)
    : m_verrou(chemin_verrou(chemin_fichier))
{
    m_verrou.setStaleLockTime(60000);
    // QLockFile doubles its wait after each failed try (100 ms, 200 ms, … 3.2 s): against a machine that
    // takes the lock again and again it would try six times in five seconds. Short, uneven waits instead.
    const QDeadlineTimer fin(attente_ms);
    while (!(m_obtenu = m_verrou.tryLock(0))) {
        if (m_verrou.error() != QLockFile::LockFailedError || fin.hasExpired())
            break;
        const qint64 reste = fin.remainingTime();
        QThread::msleep(
            static_cast<unsigned long>(std::min<qint64>(QRandomGenerator::global()->bounded(2, 12), reste)));
    }
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
