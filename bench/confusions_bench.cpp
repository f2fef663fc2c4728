// Per-product statistics of a whole school: gathering one test per pupil and computing the grid and the
// confusions, against reading the same history files raw ("x_brut" = time of the operation / raw read).
#include "storage/fichier_texte.h"
#include "support/ecole_generee.h"
#include "teacher/statistiques_collecte.h"
#include "teacher/statistiques_produits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int eleves = 1000;

template <typename F> double secondes(F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// The generated school of the class follow-up: 1,000 pupils in 40 classes, 100 tested séances each.
struct Ecole
{
    QTemporaryDir dossier;
    QString etablissement;
    QVector<ClasseChoisie> classes;
    qint64 octets = 0;

    Ecole()
    {
        EcoleGeneree g;
        g.eleves = eleves;
        g.classes = 40;
        g.seances = 100;
        g.ecrit(dossier.path());
        etablissement = g.dossier_etablissement(dossier.path());
        for (int c = 0; c < g.classes; ++c)
            classes.append(
                {etablissement + QLatin1Char('/') + g.annee + QLatin1Char('/') + EcoleGeneree::nom_classe(c),
                    QStringLiteral("tables_classiques")});
        for (const QString& f : QDir(etablissement).entryList({QStringLiteral("*.txt")}, QDir::Files))
            octets += QFileInfo(QDir(etablissement).filePath(f)).size();
    }
};

const Ecole& ecole()
{
    static const Ecole e;
    return e;
}

void BM_statistiques_produits_ecole(benchmark::State& etat)
{
    const Ecole& ecole = ::ecole();
    const ChoixTest choix {ModeChoixTest::dernier, QStringLiteral("31/12/2030"), false, {}};
    double total = 0;
    for (auto _ : etat) {
        total += secondes([&] {
            const Collecte c = collecte_reponses(ecole.classes, ecole.etablissement, choix);
            const Calcul calcul = calcule(c.reponses, c.nombre_eleves, ModeAffichage::pourcentage,
                {false, false, true, true}, 4, TriConfusions::resultat);
            benchmark::DoNotOptimize(calcul);
        });
    }
    // Raw: list the same class folders and read every history whole.
    double brut = 0;
    constexpr int fois = 5;
    for (int i = 0; i < fois; ++i) {
        brut += secondes([&] {
            for (const ClasseChoisie& classe : ecole.classes) {
                for (const QString& lnk :
                    QDir(classe.dossier).entryList({QStringLiteral("*.lnk")}, QDir::Files)) {
                    QFile f(QDir(ecole.etablissement).filePath(lnk.chopped(4) + QStringLiteral(".txt")));
                    f.open(QIODevice::ReadOnly);
                    benchmark::DoNotOptimize(f.readAll());
                }
            }
        });
    }
    brut /= fois;
    const double moyenne = total / double(etat.iterations());
    etat.counters["eleves"] = eleves;
    etat.counters["octets"] = double(ecole.octets);
    etat.counters["op_ms"] = moyenne * 1000;
    etat.counters["brut_ms"] = brut * 1000;
    etat.counters["x_brut"] = moyenne / brut;
}

// The parts: reading every history, then choosing the tests, then computing.
void BM_parties(benchmark::State& etat)
{
    const Ecole& ecole = ::ecole();
    const ChoixTest choix {ModeChoixTest::dernier, QStringLiteral("31/12/2030"), false, {}};
    double lecture = 0, choix_tests = 0, calcul = 0;
    for (auto _ : etat) {
        QVector<QByteArray> historiques;
        lecture += secondes([&] {
            for (const ClasseChoisie& classe : ecole.classes)
                for (const QString& lnk :
                    QDir(classe.dossier).entryList({QStringLiteral("*.lnk")}, QDir::Files))
                    historiques << *lit_fichier(
                        QDir(ecole.etablissement).filePath(lnk.chopped(4) + QStringLiteral(".txt")));
        });
        QStringList reponses;
        choix_tests += secondes([&] {
            for (const QByteArray& h : historiques)
                reponses << test_choisi(h, choix).enregistrements();
        });
        calcul += secondes([&] {
            benchmark::DoNotOptimize(calcule(reponses, eleves, ModeAffichage::pourcentage,
                {false, false, true, true}, 4, TriConfusions::resultat));
        });
    }
    const double n = double(etat.iterations());
    etat.counters["lecture_ms"] = lecture / n * 1000;
    etat.counters["choix_ms"] = choix_tests / n * 1000;
    etat.counters["calcul_ms"] = calcul / n * 1000;
}

} // namespace

BENCHMARK(BM_parties)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_statistiques_produits_ecole)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
