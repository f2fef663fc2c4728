#pragma once

#include "storage/fichier_texte.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <set>

// Stops the run at the first broken invariant and names it, so that libFuzzer keeps the input that broke it.
#define EXIGE(condition) exige_sinon_arret((condition), #condition, __FILE__, __LINE__)

inline void exige_sinon_arret(bool condition, const char* texte, const char* fichier, int ligne)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s:%d: invariant rompu : %s\n", fichier, ligne, texte);
    std::abort();
}

// Text as it comes back from a Windows-1252 file: characters outside the code page are "?".
inline QString comme_sur_disque(const QString& texte)
{
    return depuis_cp1252(vers_cp1252(texte));
}

inline QStringList comme_sur_disque(const QStringList& lignes)
{
    QStringList resultat;
    resultat.reserve(lignes.size());
    for (const QString& l : lignes)
        resultat.append(comme_sur_disque(l));
    return resultat;
}

struct AvantSansCasse
{
    bool operator()(const QString& a, const QString& b) const
    {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }
};
using LignesSansCasse = std::set<QString, AvantSansCasse>;

// One scratch folder for the whole run, in memory where the system has one: every input writes files.
inline const QString& dossier_fuzz()
{
    static const QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/tabrix-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/tabrix-fuzz-XXXXXX"));
    EXIGE(dossier.isValid());
    static const QString chemin = dossier.path();
    return chemin;
}
