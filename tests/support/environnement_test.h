#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Tests never touch the real home folder: HOME and the XDG folders (trash included) point into a temporary one.
class EnvironnementTest
{
public:
    EnvironnementTest()
    {
        const QByteArray racine = m_dir.path().toLocal8Bit();
        qputenv("HOME", racine);
        qputenv("XDG_DATA_HOME", racine + "/.local/share");
        qputenv("XDG_CONFIG_HOME", racine + "/.config");
        qputenv("XDG_CACHE_HOME", racine + "/.cache");
    }

private:
    QTemporaryDir m_dir;
};
