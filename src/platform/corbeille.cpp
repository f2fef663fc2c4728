#include "platform/corbeille.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool envoie_a_la_corbeille(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (QFile::moveToTrash(chemin))
        return true;
    // No trash here (a share, a system without one): removal is the only way to clear the place.
    if (info.isDir() && !info.isSymLink())
        return QDir(chemin).removeRecursively();
    return QFile::remove(chemin);
}
