// The school of the benchmarks (1,000 histories, 85 MB) read one history after the other and several at once
// (en_parallele, order kept), on the local disk and through a folder that waits on every open and every read
// as a file server does across the classroom network (bench/fuse_lent over FUSE).
// Run: build/bench/bench_lecture_lointaine   (TABRIX_ATTENTE_US=1000 by default: the wait per open or read)
// Where FUSE cannot be had (no /dev/fuse, libfuse3-dev absent at build time) only the local disk is measured.
#include "core/en_parallele.h"
#include "ecole_suivi_banc.h"

#include <QThread>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDateTime maintenant(QDate(2024, 12, 7), QTime(10, 15, 0));

using Ecole = EcoleSuiviDeBanc;

Ecole& ecole()
{
    static Ecole e;
    return e;
}

// The school's folder seen through fuse_lent, for as long as it lives.
class Montage
{
public:
    Montage(const QString& source, int attente_us)
    {
#ifndef FUSE_LENT
        (void)source;
        (void)attente_us;
        m_erreur = QStringLiteral("fuse_lent n'a pas été construit (libfuse3-dev absent)");
#else
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            m_erreur = QStringLiteral("/dev/fuse : %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        const QByteArray s = QFile::encodeName(source), p = QFile::encodeName(m_point.path()),
                         a = QByteArray::number(attente_us);
        m_pid = ::fork();
        if (m_pid == 0) {
            const int nul = ::open("/dev/null", O_WRONLY);
            ::dup2(nul, STDERR_FILENO);
            ::execl(FUSE_LENT, "fuse_lent", s.constData(), p.constData(), a.constData(), "-f", nullptr);
            ::_exit(127);
        }
        // Mounting takes a few milliseconds; a helper that stops has failed.
        for (int essai = 0; essai < 500; ++essai) {
            struct statfs sf;
            if (::statfs(p.constData(), &sf) == 0 && sf.f_type == 0x65735546) {
                m_pret = true;
                return;
            }
            int etat = 0;
            if (::waitpid(m_pid, &etat, WNOHANG) == m_pid) {
                m_pid = -1;
                m_erreur = QStringLiteral("le montage FUSE a échoué (code %1)").arg(WEXITSTATUS(etat));
                return;
            }
            QThread::msleep(10);
        }
        m_erreur = QStringLiteral("le montage FUSE n'est pas venu en 5 s");
#endif
    }
    ~Montage()
    {
        if (m_pret && ::umount2(QFile::encodeName(m_point.path()).constData(), 0) != 0)
            ::umount2(QFile::encodeName(m_point.path()).constData(), MNT_DETACH);
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Montage(const Montage&) = delete;
    Montage& operator=(const Montage&) = delete;

    bool pret() const
    {
        return m_pret;
    }
    const QString& erreur() const
    {
        return m_erreur;
    }
    QString point() const
    {
        return m_point.path();
    }

private:
    QTemporaryDir m_point;
    pid_t m_pid = -1;
    bool m_pret = false;
    QString m_erreur;
};

struct Lieu
{
    QString nom;
    QString racine; // the school's folder as this place shows it
    QStringList chemins;
    OptionsListeEleves options;
};

Lieu lieu(const QString& nom, const QString& racine)
{
    Lieu l {nom, racine, {}, ecole().options};
    const QString locale = ecole().dossier.path();
    for (const QString& c : ecole().chemins)
        l.chemins << racine + c.mid(locale.size());
    l.options.dossier_eleves = racine;
    return l;
}

void debit(benchmark::State& etat, const Lieu& l)
{
    etat.SetBytesProcessed(etat.iterations() * ecole().octets);
    etat.counters["historiques_par_s"]
        = benchmark::Counter(double(l.chemins.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void lecture_serie(benchmark::State& etat, const Lieu& l)
{
    for (auto _ : etat)
        for (const QString& c : l.chemins)
            benchmark::DoNotOptimize(lit_fichier(c));
    debit(etat, l);
}

// Each history read and evaluated as the roster does, on `fils` threads, `bloc` histories at a time.
void evaluation(benchmark::State& etat, const Lieu& l, int fils, int bloc)
{
    const ChoixTest choix = l.options.choix(QStringLiteral("tables_classiques"));
    QVector<TestLu> resultats(l.chemins.size());
    for (auto _ : etat) {
        if (fils == 1) {
            for (qsizetype i = 0; i < l.chemins.size(); ++i)
                resultats[i] = lit_test_choisi(l.chemins[i], choix);
        } else {
            en_parallele(
                int(l.chemins.size()), bloc,
                [&](int i) { resultats[i] = lit_test_choisi(l.chemins[i], choix); }, [](int, int) {}, fils);
        }
        benchmark::DoNotOptimize(resultats.data());
    }
    debit(etat, l);
}

void liste_eleves(benchmark::State& etat, const Lieu& l)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(creation_liste_eleves(l.options, maintenant).lignes.size());
    debit(etat, l);
}

void enregistre(const Lieu& l, int iterations)
{
    const std::string n = l.nom.toStdString();
    const auto fixe = [&](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->UseRealTime();
        if (iterations > 0)
            b->Iterations(iterations);
    };
    fixe(benchmark::RegisterBenchmark((n + "/lecture_serie").c_str(), lecture_serie, l));
    fixe(benchmark::RegisterBenchmark((n + "/evaluation/fils:1").c_str(), evaluation, l, 1, 64));
    for (const auto& [fils, bloc] : {std::pair {2, 64}, std::pair {4, 64}, std::pair {8, 64},
             std::pair {16, 64}, std::pair {32, 64}, std::pair {16, 1000}, std::pair {32, 1000}})
        fixe(benchmark::RegisterBenchmark(
            (n + "/evaluation/fils:" + std::to_string(fils) + "/bloc:" + std::to_string(bloc)).c_str(),
            evaluation, l, fils, bloc));
    fixe(benchmark::RegisterBenchmark((n + "/creation_liste_eleves").c_str(), liste_eleves, l));
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const int attente_us = qEnvironmentVariableIsSet("TABRIX_ATTENTE_US")
        ? qEnvironmentVariableIntValue("TABRIX_ATTENTE_US")
        : 1000;
    std::cout << ecole().chemins.size() << " historiques, " << ecole().octets / 1000000 << " Mo ; "
              << std::thread::hardware_concurrency() << " cœurs" << std::endl;
    enregistre(lieu(QStringLiteral("local"), ecole().dossier.path()), 0);
    Montage montage(ecole().dossier.path(), attente_us);
    if (montage.pret()) {
        std::cout << "dossier lointain : " << attente_us << " µs d'attente par ouverture et par lecture"
                  << std::endl;
        enregistre(lieu(QStringLiteral("lointain_%1us").arg(attente_us), montage.point()), 2);
    } else {
        std::cout << "dossier lointain non mesuré : " << montage.erreur().toStdString() << std::endl;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
