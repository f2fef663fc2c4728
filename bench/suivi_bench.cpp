// The class follow-up list over a generated school (1,000 pupils, 40 classes, 100 séances of a 64-product
// test each), set against the raw read of the same files, page cache warm. Run: build/bench_suivi  (counter
// "x_brut" = time of the build / time of the raw read)
#include "ecole_suivi_banc.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

using Ecole = EcoleSuiviDeBanc;

Ecole& ecole()
{
    static Ecole e;
    return e;
}

const QDateTime maintenant(QDate(2024, 12, 7), QTime(10, 15, 0));

void BM_lecture_brute(benchmark::State& etat)
{
    mesure_lecture_brute(etat, ecole().chemins, ecole().octets);
}

void BM_creation_liste_eleves(benchmark::State& etat)
{
    ecole(); // written before the clock starts
    double brut = 0, liste = 0;
    for (auto _ : etat) {
        brut += lecture_brute(ecole().chemins);
        const auto debut = std::chrono::steady_clock::now();
        const ListeEleves l = creation_liste_eleves(ecole().options, maintenant);
        liste += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        benchmark::DoNotOptimize(l.lignes.size());
    }
    etat.counters["x_brut"] = liste / brut;
    etat.counters["liste_ms"] = 1000 * liste / double(etat.iterations());
    etat.counters["brut_ms"] = 1000 * brut / double(etat.iterations());
}

// The parts of the build: listing the class folders, then reading and evaluating every history.
void BM_inventaire(benchmark::State& etat)
{
    ecole(); // written before the clock starts
    for (auto _ : etat)
        benchmark::DoNotOptimize(inventaire_eleves(ecole().options).classes.size());
}

void BM_evaluation_des_historiques(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const QString& c : ecole().chemins)
            benchmark::DoNotOptimize(
                evalue_eleve(c, ecole().options, QStringLiteral("tables_classiques")).score);
}

// The same build with the histories read and evaluated on every core, results kept in listing order.
void BM_creation_liste_eleves_parallele(benchmark::State& etat)
{
    const unsigned fils = std::max(2u, std::thread::hardware_concurrency());
    for (auto _ : etat) {
        const Inventaire inv = inventaire_eleves(ecole().options);
        QVector<const EleveInventorie*> eleves;
        for (const ClasseInventoriee& c : inv.classes)
            for (const EleveInventorie& e : c.eleves)
                eleves << &e;
        QVector<ResultatEleve> resultats(eleves.size());
        std::vector<std::thread> groupe;
        for (unsigned f = 0; f < fils; ++f)
            groupe.emplace_back([&, f] {
                for (qsizetype i = f; i < eleves.size(); i += fils)
                    resultats[i] = evalue_eleve(
                        eleves[i]->chemin, ecole().options, QStringLiteral("tables_classiques"));
            });
        for (std::thread& t : groupe)
            t.join();
        const ListeEleves l = assemble_liste(inv, resultats, ecole().options, maintenant);
        benchmark::DoNotOptimize(l.lignes.size());
    }
    etat.SetLabel(QStringLiteral("%1 fils").arg(fils).toStdString());
}

} // namespace

BENCHMARK(BM_lecture_brute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_creation_liste_eleves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_inventaire)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_evaluation_des_historiques)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_creation_liste_eleves_parallele)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
