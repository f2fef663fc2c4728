#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QString>

// A temporary working folder for one test; removed at the end.
class DossierTest
{
public:
    QString chemin(const QString& relatif = {}) const
    {
        return relatif.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relatif;
    }
    bool cree(const QString& relatif) const { return QDir().mkpath(chemin(relatif)); }

private:
    QTemporaryDir m_dir;
};
