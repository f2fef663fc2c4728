#include "storage/verrou_fichier.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

VerrouFichier::VerrouFichier(const QString& chemin_fichier, int attente_ms)
    : m_chemin(chemin_verrou(chemin_fichier))
    , m_verrou(m_chemin)
{
    m_verrou.setStaleLockTime(60000);
    // QLockFile doubles its wait after each failed try (100 ms, 200 ms, … 3.2 s): against a machine that
    // takes the lock again and again it would try six times in five seconds. Short, uneven waits instead.
    const QDeadlineTimer fin(attente_ms);
    for (;;) {
        if ((m_fd = cree_sans_synchroniser()) >= 0 || m_verrou.tryLock(0))
            return;
        if (m_verrou.error() != QLockFile::LockFailedError || fin.hasExpired())
            return;
        const qint64 reste = fin.remainingTime();
        QThread::msleep(
            static_cast<unsigned long>(std::min<qint64>(QRandomGenerator::global()->bounded(2, 12), reste)));
    }
}

VerrouFichier::~VerrouFichier()
{
    if (m_fd < 0)
        return; // QLockFile lets go of its own
    ::unlink(QFile::encodeName(m_chemin).constData());
    ::close(m_fd);
}

QString VerrouFichier::chemin_verrou(const QString& chemin_fichier)
{
    return chemin_fichier + QStringLiteral(".lock");
}

const QByteArray& VerrouFichier::contenu_verrou()
{
    static const QByteArray contenu = [] {
        // QLockFile names the program by its executable, without the mark of one replaced while it runs.
        QString programme = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
        if (programme.endsWith(QLatin1String(" (deleted)")))
            programme.chop(10);
        return QByteArray::number(qint64(::getpid())) + '\n' + QFileInfo(programme).fileName().toUtf8() + '\n'
            + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
            + QSysInfo::bootUniqueId() + '\n';
    }();
    return contenu;
}

int VerrouFichier::cree_sans_synchroniser() const
{
    const QByteArray nom = QFile::encodeName(m_chemin);
    const int fd = ::open(nom.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    // The flock keeps another process of this machine from removing the file as stale while it is held.
    const QByteArray& contenu = contenu_verrou();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0
        || ::write(fd, contenu.constData(), size_t(contenu.size())) != contenu.size()) {
        ::unlink(nom.constData());
        ::close(fd);
        return -1;
    }
    return fd;
}
