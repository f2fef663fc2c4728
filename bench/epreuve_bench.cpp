// The test mode's costs: the engine's work per answer (typing, correction, next question) and the drawing of
// the result charts. Run: bench_test (offscreen by default).
#include "core/faits.h"
#include "epreuve/moteur_test.h"
#include "reports/graphique_test.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A whole test of the products, answered right except every seventh, with its second chance.
void passe_un_test(MoteurTest& moteur, const QStringList& produits, qint64& ms)
{
    moteur.initialisation_test(produits, 20, QStringLiteral("10:02:03"), ms);
    int rang = 0;
    while (moteur.phase() != MoteurTest::Phase::fini) {
        if (moteur.phase() == MoteurTest::Phase::boite_deuxieme_chance) {
            moteur.boite_deuxieme_chance_fermee(ms);
            continue;
        }
        const QString code = moteur.code_courant();
        const int valeur = code.left(2).toInt() * code.mid(2, 2).toInt() + (++rang % 7 == 0 ? 1 : 0);
        const QString reponse = QString::number(valeur).right(moteur.chiffres_reponse());
        ms += 1500;
        for (int i = 1; i <= reponse.size(); ++i)
            moteur.saisie_change(reponse.left(i), ms += 120);
        moteur.corrige_reponse(ms += 300);
    }
}

void BM_moteur_par_reponse(benchmark::State& etat, const QString& tables)
{
    const QStringList produits = produits_des_tables(tables);
    Hasard hasard(1);
    MoteurTest moteur(hasard);
    qint64 ms = 0;
    qint64 reponses = 0;
    for (auto _ : etat) {
        passe_un_test(moteur, produits, ms);
        reponses += moteur.nb_questions();
        benchmark::DoNotOptimize(moteur.resultats_test().size());
    }
    etat.SetItemsProcessed(reponses);
    etat.counters["questions_par_test"] = double(moteur.nb_questions());
    etat.counters["temps_par_reponse"]
        = benchmark::Counter(double(reponses), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

QString ligne_de_test(const QString& tables)
{
    Hasard hasard(3);
    MoteurTest moteur(hasard);
    qint64 ms = 0;
    passe_un_test(moteur, produits_des_tables(tables), ms);
    return moteur.termine(QStringLiteral("10:12:00"));
}

void BM_graphique_test(benchmark::State& etat, const QString& tables)
{
    const QString ligne = ligne_de_test(tables);
    for (auto _ : etat) {
        const QImage image = graphique_test(ligne, 4);
        benchmark::DoNotOptimize(image.constBits());
    }
    etat.counters["produits"] = double(produits_des_tables(tables).size());
}

void BM_graphique_test_compact(benchmark::State& etat)
{
    const QString ligne = ligne_de_test(QStringLiteral("tables_classiques"));
    for (auto _ : etat) {
        const QImage image = graphique_test_compact(ligne, QStringLiteral("table_2,table_3,table_4"), 4);
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK_CAPTURE(BM_moteur_par_reponse, table_7, QStringLiteral("table_7"));
BENCHMARK_CAPTURE(BM_moteur_par_reponse, classiques_64, QStringLiteral("tables_classiques"));
BENCHMARK_CAPTURE(BM_moteur_par_reponse, toutes_173, QStringLiteral("tables_classiques,tables_etendues"));
BENCHMARK_CAPTURE(BM_graphique_test, classique, QStringLiteral("tables_classiques"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_graphique_test, etendu, QStringLiteral("tables_etendues"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_graphique_test_compact)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
