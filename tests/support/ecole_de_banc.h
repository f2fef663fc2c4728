#pragma once

#include "support/ecole_generee.h"
#include "support/lecture_brute.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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
    double lecture_brute() const { return ::lecture_brute(chemins); }
};
