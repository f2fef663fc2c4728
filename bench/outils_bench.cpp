// tabrix-outils as a school runs it, whole processes (start included), over the generated school of 1,000
// pupils in 40 classes (100 séances each), set against the raw read of every history in the same run, page
// cache warm. Run: build/bench_outils  (counter "x_brut" = time of the command / time of the raw read)
#include "support/ecole_de_banc.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>

namespace {

struct Ecole : EcoleDeBanc
{
    QString annee() const { return etablissement + QLatin1Char('/') + generee.annee; }
    QString sortie(const char* nom) const { return dossier.filePath(QString::fromLatin1(nom)); }
};

const Ecole& ecole()
{
    static const Ecole e;
    return e;
}

template <typename F> double secondes(F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

double lecture_brute()
{
    return ecole().lecture_brute();
}

void lance(const QStringList& arguments)
{
    QProcess p;
    // What the command prints is read, as a shell would; errors go to the terminal.
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(PROGRAMME_OUTILS), arguments);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        std::abort();
    benchmark::DoNotOptimize(p.readAllStandardOutput().size());
}

void mesure(benchmark::State& etat, const QStringList& arguments)
{
    ecole();
    double brut = 0, commande = 0;
    for (auto _ : etat) {
        brut += lecture_brute();
        commande += secondes([&] { lance(arguments); });
    }
    const double n = double(etat.iterations());
    etat.counters["x_brut"] = commande / brut;
    etat.counters["commande_ms"] = 1000 * commande / n;
    etat.counters["brut_ms"] = 1000 * brut / n;
    etat.SetLabel(QStringLiteral("%1 historiques, %2 Mo")
                      .arg(ecole().chemins.size())
                      .arg(double(ecole().octets) / 1e6, 0, 'f', 1)
                      .toStdString());
}

const QString date = QStringLiteral("15/10/2024");

// The same command with the school index of a statistics folder, once a first run has filled it: the next
// run of a night's script, the histories last written the day before.
void mesure_avec_index(benchmark::State& etat, const QStringList& arguments)
{
    static const bool vieillies = [] {
        const QDateTime hier = QDateTime::currentDateTime().addDays(-1);
        for (const QString& c : ecole().chemins) {
            QFile f(c);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(hier, QFileDevice::FileModificationTime);
        }
        return true;
    }();
    benchmark::DoNotOptimize(vieillies);
    QTemporaryDir statistiques;
    const QStringList avec_index
        = arguments + QStringList {QStringLiteral("--statistiques"), statistiques.path()};
    lance(avec_index);
    mesure(etat, avec_index);
}

void BM_aide(benchmark::State& etat)
{
    mesure(etat, {QStringLiteral("--help")});
}

QStringList arguments_liste()
{
    return {QStringLiteral("liste"), QStringLiteral("--eleves"), ecole().dossier.path(),
        QStringLiteral("--etablissement"), ecole().generee.etablissement, QStringLiteral("--annee"),
        ecole().generee.annee, QStringLiteral("--dernier-au"), date};
}

void BM_liste(benchmark::State& etat)
{
    mesure(etat, arguments_liste());
}

void BM_liste_index(benchmark::State& etat)
{
    mesure_avec_index(etat, arguments_liste());
}

QStringList arguments_stats()
{
    // A level holds at most 20 classes: two levels, so that every pupil of the school is read.
    QString niveaux;
    const int moitie = ecole().generee.classes / 2;
    for (int n = 0; n < 2; ++n) {
        QStringList classes;
        for (int c = n * moitie; c < (n + 1) * moitie; ++c)
            classes << EcoleGeneree::nom_classe(c);
        niveaux += (n == 0 ? QStringLiteral("sixième<") : QStringLiteral("cinquième<"))
            + classes.join(QLatin1Char(',')) + QLatin1Char('>');
    }
    return {QStringLiteral("stats"), QStringLiteral("--niveaux"), niveaux, QStringLiteral("--annee"),
        ecole().generee.annee, QStringLiteral("--dernier-au"), date, ecole().etablissement};
}

void BM_stats(benchmark::State& etat)
{
    mesure(etat, arguments_stats());
}

void BM_stats_index(benchmark::State& etat)
{
    mesure_avec_index(etat, arguments_stats());
}

QStringList arguments_confusions()
{
    return {QStringLiteral("confusions"), QStringLiteral("--annee"), ecole().annee(),
        QStringLiteral("--dernier-au"), date};
}

void BM_confusions(benchmark::State& etat)
{
    mesure(etat, arguments_confusions());
}

void BM_confusions_index(benchmark::State& etat)
{
    mesure_avec_index(etat, arguments_confusions());
}

void BM_bilan_1000_pages(benchmark::State& etat)
{
    QStringList arguments {QStringLiteral("bilan"), QStringLiteral("--dernier-au"), date,
        QStringLiteral("-o"), ecole().sortie("bilans.pdf")};
    mesure(etat, arguments + ecole().chemins);
}

} // namespace

BENCHMARK(BM_aide)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_liste)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_stats)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_confusions)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_liste_index)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_stats_index)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_confusions_index)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_bilan_1000_pages)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
