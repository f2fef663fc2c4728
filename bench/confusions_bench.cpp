// Per-product statistics of a whole school: gathering one test per pupil and computing the grid and the
// confusions, against reading the same history files raw ("x_brut" = time of the operation / raw read).
#include "storage/fichier_texte.h"
#include "storage/historique_exemples.h"
#include "teacher/statistiques_collecte.h"
#include "teacher/statistiques_produits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int eleves = 1000;
constexpr int par_classe = 25;
constexpr int seances_par_eleve = 60;

template <typename F> double secondes(F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// A school of `eleves` pupils in classes of `par_classe`, each with a long history of tests where a few
// products are answered wrong.
struct Ecole
{
    QTemporaryDir dossier;
    QVector<ClasseChoisie> classes;
    qint64 octets = 0;

    Ecole()
    {
        const QDir racine(dossier.path());
        for (int i = 0; i < eleves; ++i) {
            const QString classe = QStringLiteral("2024-2025/C%1").arg(i / par_classe);
            if (i % par_classe == 0) {
                racine.mkpath(classe);
                classes.append({racine.filePath(classe), QStringLiteral("tables_classiques")});
            }
            const QString nom = QStringLiteral("Eleve_%1").arg(i);
            QStringList lignes = historique_long(seances_par_eleve, i);
            // One wrong answer per pupil, spread over the products, so that the confusions list fills up.
            const QString faux = enregistrement_reponse(QStringLiteral("0609"), 40, 48 + i % 9);
            for (QString& l : lignes)
                if (est_ligne_test(l))
                    l += faux;
            const QString historique = racine.filePath(nom + QStringLiteral(".txt"));
            ecrit_lignes(historique, lignes);
            ecrit_lignes(
                racine.filePath(classe + QLatin1Char('/') + nom + QStringLiteral(".lnk")), {historique});
            octets += QFile(historique).size();
        }
    }
};

void BM_statistiques_produits_ecole(benchmark::State& etat)
{
    static Ecole ecole;
    const ChoixTestAnalyse choix {ModeChoixTest::dernier, QStringLiteral("31/12/2030"), false};
    double total = 0;
    for (auto _ : etat) {
        total += secondes([&] {
            const Collecte c = collecte_reponses(ecole.classes, ecole.dossier.path(), choix);
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
                    QFile f(QDir(ecole.dossier.path()).filePath(lnk.chopped(4) + QStringLiteral(".txt")));
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

// The parts: reading every history into lines, then choosing the tests, then computing.
void BM_parties(benchmark::State& etat)
{
    static Ecole ecole;
    const ChoixTestAnalyse choix {ModeChoixTest::dernier, QStringLiteral("31/12/2030"), false};
    double lecture = 0, choix_tests = 0, calcul = 0;
    for (auto _ : etat) {
        QVector<QStringList> historiques;
        lecture += secondes([&] {
            for (const ClasseChoisie& classe : ecole.classes)
                for (const QString& lnk :
                    QDir(classe.dossier).entryList({QStringLiteral("*.lnk")}, QDir::Files))
                    historiques << *lit_lignes(
                        QDir(ecole.dossier.path()).filePath(lnk.chopped(4) + QStringLiteral(".txt")));
        });
        QStringList reponses;
        choix_tests += secondes([&] {
            for (const QStringList& h : historiques)
                reponses << choix_test(h, choix.mode, choix.date).enregistrements();
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
