#pragma once

#include "support/ecole_generee.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>

// The school of the benchmarks written into a temporary folder, with the raw read that every figure is set
// against: each history opened and read whole, nothing else.
struct EcoleDeBanc
{
    QTemporaryDir dossier;
    EcoleGeneree generee = EcoleGeneree::de_banc();
    QString etablissement;
    QStringList chemins; // every history, in name order
    qint64 octets = 0;
    mutable qint64 lus = 0; // by the last raw read, so that it cannot be optimised away

    EcoleDeBanc()
    {
        if (!generee.ecrit(dossier.path()))
            std::abort();
        etablissement = generee.dossier_etablissement(dossier.path());
        const QDir d(etablissement);
        for (const QString& f : d.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            chemins << d.filePath(f);
            octets += QFileInfo(d.filePath(f)).size();
        }
    }

    // Seconds.
    double lecture_brute() const
    {
        const auto debut = std::chrono::steady_clock::now();
        lus = 0;
        for (const QString& c : chemins) {
            QFile f(c);
            f.open(QIODevice::ReadOnly);
            lus += f.readAll().size();
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    }
};
