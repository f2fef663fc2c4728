// The health check of a share over a generated school (1,000 pupils, 40 classes, 100 séances of a 64-product
// test each), set against the raw read of the same histories, page cache warm. Run:
// build/bench/bench_verification (counter "x_brut" = time of the check / time of the raw read; the goal is at
// most 2)
#include "support/lecture_brute.h"
#include "support/ecole_generee.h"
#include "teacher/regles_verification.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

struct Ecole
{
    QTemporaryDir dossier;
    EcoleGeneree generee;
    OptionsVerification options;
    QStringList chemins;
    qint64 octets = 0;

    Ecole()
    {
        generee.eleves = 1000;
        generee.classes = 40;
        generee.seances = 100;
        if (!generee.ecrit(dossier.path()))
            std::abort();
        options.dossier_eleves = dossier.path();
        options.etablissement = generee.etablissement;
        QStringList classes;
        for (int c = 0; c < generee.classes; ++c)
            classes << EcoleGeneree::nom_classe(c);
        options.classes_par_annee.insert(generee.annee, classes);
        QDirIterator it(
            generee.dossier_etablissement(dossier.path()), {QStringLiteral("*.txt")}, QDir::Files);
        while (it.hasNext()) {
            chemins << it.next();
            octets += it.fileInfo().size();
        }
    }
};

Ecole& ecole()
{
    static Ecole e;
    return e;
}

// After the last of the 100 séances (10 December), so that none is in the future.
const QDateTime maintenant(QDate(2025, 1, 15), QTime(10, 15, 0));

void BM_lecture_brute(benchmark::State& etat)
{
    mesure_lecture_brute(etat, ecole().chemins, ecole().octets);
}

void BM_verification(benchmark::State& etat)
{
    double brut = 0, verification = 0;
    for (auto _ : etat) {
        brut += lecture_brute(ecole().chemins);
        const auto debut = std::chrono::steady_clock::now();
        const RapportVerification r = verifie_partage(ecole().options, maintenant);
        verification += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        // A healthy school: anything found means the check is wrong, and the measure with it.
        if (!r.rien_a_signaler() || r.historiques != 1000) {
            std::fprintf(
                stderr, "%s\n", qPrintable(texte_rapport(r, ecole().options).join(QLatin1Char('\n'))));
            std::abort();
        }
    }
    etat.counters["x_brut"] = verification / brut;
    etat.counters["verification_ms"] = 1000 * verification / double(etat.iterations());
    etat.counters["brut_ms"] = 1000 * brut / double(etat.iterations());
}

} // namespace

BENCHMARK(BM_lecture_brute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_verification)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
