#pragma once

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

// What reading a school's histories costs at the least: QFile::readAll of each, page cache warm. Returns the
// wall time in seconds, the measure the computations over the same files are set against.
inline double lecture_brute(const QStringList& chemins)
{
    const auto debut = std::chrono::steady_clock::now();
    qint64 total = 0;
    for (const QString& c : chemins) {
        QFile f(c);
        f.open(QIODevice::ReadOnly);
        total += f.readAll().size();
    }
    benchmark::DoNotOptimize(total);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// The raw read as a benchmark of its own, labelled with the size of the school.
inline void mesure_lecture_brute(benchmark::State& etat, const QStringList& chemins, qint64 octets)
{
    for (auto _ : etat)
        lecture_brute(chemins);
    etat.SetBytesProcessed(etat.iterations() * octets);
    etat.SetLabel(QStringLiteral("%1 historiques, %2 Ko en moyenne")
                      .arg(chemins.size())
                      .arg(octets / std::max<qsizetype>(1, chemins.size()) / 1024)
                      .toStdString());
}
