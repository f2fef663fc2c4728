// History and records list: each measure is set against reading or writing the same bytes raw
// ("x_brut" = time of the operation / time of the raw I/O). Syncs of one records update, counted with
// strace -f -c -e trace=fsync,fdatasync build/bench/bench_historique --benchmark_filter=records
#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/historique_enregistrement.h"
#include "storage/historique_exemples.h"
#include "storage/historique_lecture.h"
#include "storage/records.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int seances = 3000;
const QString classiques = QStringLiteral("tables_classiques");

template <typename F> double secondes(F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

QByteArray octets(const QStringList& lignes)
{
    return vers_cp1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QByteArray lit_brut(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void ecrit_brut(const QString& chemin, const QByteArray& donnees)
{
    QFile f(chemin);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(donnees);
    f.flush();
    ::fsync(f.handle());
}

// Mean time of the raw operation over a few runs.
template <typename F> double brut(F&& f, int fois = 10)
{
    double total = 0;
    for (int i = 0; i < fois; ++i)
        total += secondes(f);
    return total / fois;
}

// Wall time of the operation and of the raw I/O (QFile::readAll or write + fsync of the same bytes).
void rapport(benchmark::State& etat, double total, double temps_brut, qint64 taille)
{
    const double moyenne = total / static_cast<double>(etat.iterations());
    etat.counters["octets"] = static_cast<double>(taille);
    etat.counters["op_ms"] = moyenne * 1000;
    etat.counters["brut_ms"] = temps_brut * 1000;
    etat.counters["x_brut"] = moyenne / temps_brut;
}

void BM_recupere_donnees(benchmark::State& etat)
{
    QTemporaryDir d;
    const QString chemin = d.filePath(QStringLiteral("Dupont_Marie.txt"));
    ecrit_lignes(chemin, historique_long(seances));
    double total = 0;
    for (auto _ : etat) {
        total += secondes([&] {
            const auto lignes = lit_lignes(chemin);
            auto donnees = recupere_donnees(*lignes, classiques, true, 4, QStringLiteral("Mardi 03/12/2024"));
            benchmark::DoNotOptimize(donnees);
        });
    }
    rapport(etat, total, brut([&] { benchmark::DoNotOptimize(lit_brut(chemin)); }), QFile(chemin).size());
}

void BM_EnregistrementSeance(benchmark::State& etat)
{
    QTemporaryDir d;
    Reglages r;
    r.dossier_eleves = d.path();
    EtatEleve e;
    e.identite.nom = QStringLiteral("Dupont");
    e.identite.prenom = QStringLiteral("Marie");
    e.identite.nom_fichier = QStringLiteral("Dupont_Marie");
    e.identite.chemin_historique = d.filePath(QStringLiteral("Dupont_Marie.txt"));
    e.jour_seance = QStringLiteral("Mardi");
    e.date_seance = QStringLiteral("03/12/2024");
    e.heure_debut = QStringLiteral("14:02:10");
    e.historique = historique_long(seances);
    e.seance_en_cours
        = {ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"), reponses_justes(classiques))};
    const QDateTime maintenant(QDate(2024, 12, 3), QTime(14, 30, 0));
    double total = 0;
    for (auto _ : etat)
        total += secondes([&] { EnregistrementSeance(e, r, maintenant, QStringLiteral("SALLE-3")); });
    const QByteArray donnees = octets(e.historique);
    const QString brut_chemin = d.filePath(QStringLiteral("brut.txt"));
    rapport(etat, total, brut([&] { ecrit_brut(brut_chemin, donnees); }), donnees.size());
    // The part of the recording that makes the rename durable: one fsync of the folder after it.
    const QByteArray dossier = QFile::encodeName(d.path());
    etat.counters["sync_dossier_ms"] = 1000 * brut([&] {
        const int fd = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(fd);
        ::close(fd);
    });
}

void BM_fusionne_historiques(benchmark::State& etat)
{
    QTemporaryDir d;
    const QString l = d.filePath(QStringLiteral("local.txt"));
    const QString s = d.filePath(QStringLiteral("serveur.txt"));
    const QByteArray local = octets(historique_long(seances));
    const QByteArray serveur = octets(historique_long(seances - 10));
    double total = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        ecrit_brut(l, local);
        ecrit_brut(s, serveur);
        etat.ResumeTiming();
        total += secondes([&] { fusionne_historiques(l, s); });
    }
    const QString b1 = d.filePath(QStringLiteral("b1.txt"));
    const QString b2 = d.filePath(QStringLiteral("b2.txt"));
    ecrit_brut(b1, local);
    ecrit_brut(b2, serveur);
    // Raw: read both copies, write the longer one twice.
    rapport(etat, total, brut([&] {
        benchmark::DoNotOptimize(lit_brut(b1));
        benchmark::DoNotOptimize(lit_brut(b2));
        ecrit_brut(b1, local);
        ecrit_brut(b2, local);
    }),
        local.size() + serveur.size());
}

// Each update is paired with a raw write + fsync of the same bytes beside it, so that both see the same
// disk at the same moment (a busy machine moves the two together, not the ratio).
void BM_mise_a_jour_records(benchmark::State& etat)
{
    QTemporaryDir d;
    CheminsRecords c;
    c.local = d.filePath(QStringLiteral("liste_records.txt"));
    QStringList pleine;
    for (int i = 0; i < taille_max_records; ++i)
        pleine.append(ligne_record(60 + i % 40, i, QStringLiteral("Eleve_%1").arg(i)));
    pleine = trie_records(pleine);
    ecrit_lignes(c.local, pleine);
    const QString b = d.filePath(QStringLiteral("brut.txt"));
    QStringList liste;
    double total = 0, total_brut = 0;
    int n = 0;
    for (auto _ : etat) {
        total += secondes([&] {
            mise_a_jour_records(liste, 70 + n % 30, n % 50, QStringLiteral("Eleve_%1").arg(n % 60), c);
        });
        const QByteArray donnees = octets(liste);
        total_brut += secondes([&] { ecrit_brut(b, donnees); });
        ++n;
    }
    rapport(etat, total, total_brut / double(etat.iterations()), octets(liste).size());
}

} // namespace

BENCHMARK(BM_recupere_donnees)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnregistrementSeance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fusionne_historiques)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_mise_a_jour_records)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
