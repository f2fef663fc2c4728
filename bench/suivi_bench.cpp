// The class follow-up list over a generated school (1,000 pupils, 40 classes, 100 séances of a 64-product
// test each), set against the raw read of the same files, page cache warm. Run: build/bench_suivi  (counter
// "x_brut" = time of the build / time of the raw read)
#include "core/horloge.h"
#include "ecole_suivi_banc.h"
#include "storage/index_historiques.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

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

// The listing of the class folders alone, before any history is opened.
void BM_inventaire(benchmark::State& etat)
{
    ecole(); // written before the clock starts
    for (auto _ : etat)
        benchmark::DoNotOptimize(inventaire_eleves(ecole().options).classes.size());
}

// The first build with an empty index in the statistics folder: every history read, the index written.
void BM_creation_liste_eleves_index_vide(benchmark::State& etat)
{
    ecole();
    QTemporaryDir statistiques;
    const QString fichier = statistiques.filePath(nom_index_historiques);
    const HorlogeSysteme horloge;
    double brut = 0, liste = 0;
    for (auto _ : etat) {
        QFile::remove(fichier);
        brut += lecture_brute(ecole().chemins);
        IndexHistoriques index(fichier, horloge);
        const auto debut = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(
            creation_liste_eleves(ecole().options, maintenant, {}, &index).lignes.size());
        liste += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    }
    etat.counters["x_brut"] = liste / brut;
    etat.counters["index_Ko"] = double(QFileInfo(fichier).size()) / 1024;
}

// A command's start with the school index: the file read and checked, every history's entry made.
void BM_chargement_index(benchmark::State& etat)
{
    ecole();
    QTemporaryDir statistiques;
    const QString fichier = statistiques.filePath(nom_index_historiques);
    const HorlogeSysteme horloge;
    {
        IndexHistoriques index(fichier, horloge);
        creation_liste_eleves(ecole().options, maintenant, {}, &index);
    }
    for (auto _ : etat) {
        IndexHistoriques index(fichier, horloge);
        index.charge();
        benchmark::DoNotOptimize(index.taille());
    }
    etat.counters["index_Ko"] = double(QFileInfo(fichier).size()) / 1024;
}

// "Rafraîchir liste" every quarter of an hour while pupils work: 20 histories got a séance since the last
// build, the others were last written yesterday. The index is the console's, kept in memory between builds.
// `calcul` is what is timed: the whole list, or the reading of the histories alone.
template <class Calcul> void mesure_rafraichissement(benchmark::State& etat, const Calcul& calcul)
{
    ecole();
    QTemporaryDir statistiques;
    HorlogeManuelle horloge(QDateTime::currentDateTime());
    const QDateTime hier = QDateTime::currentDateTime().addDays(-1);
    for (const QString& c : ecole().chemins) {
        QFile f(c);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(hier, QFileDevice::FileModificationTime);
    }
    IndexHistoriques index(statistiques.filePath(nom_index_historiques), horloge);
    calcul(index);
    double brut = 0, rafraichi = 0;
    qint64 octets = 0, historiques = 0;
    int suivant = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        horloge.avance_ms(15 * 60 * 1000);
        for (int n = 0; n < 20; ++n) {
            QFile f(ecole().chemins[suivant++ % ecole().chemins.size()]);
            f.open(QIODevice::Append);
            f.write("Lundi 14/10/2024 de 10:00:00 \xe0 10:20:00\r\n");
        }
        brut += lecture_brute(ecole().chemins);
        index.remet_compteurs();
        etat.ResumeTiming();
        const auto debut = std::chrono::steady_clock::now();
        calcul(index);
        rafraichi += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        octets += index.octets_lus();
        historiques += index.historiques_lus();
    }
    const double n = double(etat.iterations());
    etat.counters["x_brut"] = rafraichi / brut;
    etat.counters["rafraichi_ms"] = 1000 * rafraichi / n;
    etat.counters["octets_lus_pct"] = 100.0 * double(octets) / n / double(ecole().octets);
    etat.counters["historiques_lus"] = double(historiques) / n;
}

void BM_rafraichissement_liste_apres_20_historiques(benchmark::State& etat)
{
    mesure_rafraichissement(etat, [](IndexHistoriques& index) {
        benchmark::DoNotOptimize(
            creation_liste_eleves(ecole().options, maintenant, {}, &index).lignes.size());
    });
}

void BM_rafraichissement_lecture_apres_20_historiques(benchmark::State& etat)
{
    const Inventaire inventaire = inventaire_eleves(ecole().options);
    QVector<DemandeTest> demandes;
    for (const ClasseInventoriee& c : inventaire.classes)
        for (const EleveInventorie& e : c.eleves)
            demandes.append({e.chemin, ecole().options.choix(QStringLiteral("tables_classiques"))});
    mesure_rafraichissement(etat, [&](IndexHistoriques& index) {
        benchmark::DoNotOptimize(lit_tests_choisis(demandes, &index).size());
    });
}

} // namespace

BENCHMARK(BM_lecture_brute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_creation_liste_eleves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_inventaire)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_creation_liste_eleves_index_vide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_chargement_index)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rafraichissement_liste_apres_20_historiques)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rafraichissement_lecture_apres_20_historiques)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
