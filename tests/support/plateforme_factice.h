#pragma once

#include "core/plateforme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

// A platform for tests: a chosen host name, shares declared unreachable, keyboard locks in memory, and a
// trash that removes while remembering what it was given.
class PlateformeFactice : public Plateforme
{
public:
    QString nom_ordinateur() const override { return nom; }
    bool chemin_accessible(const QString& chemin, int /*delai_ms*/) override
    {
        ++verifications_serveur;
        if (injoignables.contains(chemin))
            return false;
        const QFileInfo info(chemin);
        return info.isDir() && info.isReadable();
    }
    bool verrouillage_numerique() const override { return num; }
    bool verrouillage_majuscules() const override { return maj; }
    void fixe_verrouillage_numerique(bool actif) override
    {
        if (actif != num)
            ++basculements;
        num = actif;
    }
    void fixe_verrouillage_majuscules(bool actif) override
    {
        if (actif != maj)
            ++basculements;
        maj = actif;
    }
    bool met_a_la_corbeille(const QString& chemin) override
    {
        corbeille.append(chemin);
        const QFileInfo info(chemin);
        return info.isDir() ? QDir(chemin).removeRecursively() : (!info.exists() || QFile::remove(chemin));
    }

    QString nom = QStringLiteral("POSTE-12");
    QSet<QString> injoignables;
    bool num = false;
    bool maj = false;
    int basculements = 0;
    int verifications_serveur = 0;
    QStringList corbeille;
};
