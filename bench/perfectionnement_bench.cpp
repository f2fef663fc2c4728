// The perfecting engine's work per answer (typing the factors, evaluation, score, next question and, at each
// new cycle, the speed-weighted draw), and the building of the questions. Run: bench_perfectionnement.
#include "core/faits.h"
#include "perfecting/moteur_perfectionnement.h"

#include <benchmark/benchmark.h>

namespace {

// One answer: every field to fill typed, "OK", then the next question (or the level again once finished).
// Every fifth answer has a wrong first factor.
void repond(MoteurPerfectionnement& m, const QStringList& produits, qint64& ms, int rang)
{
    if (m.phase() == MoteurPerfectionnement::Phase::fini)
        m.initialisation(produits, NiveauPerfectionnement::pas_facile, 8, 4, QStringLiteral("10:00:00"), ms);
    ms += 2000;
    for (int j = 0; j < m.paires(); ++j) {
        const Paire& p = m.attendues()[j];
        m.filtre_entree(2 * j + 1, rang % 5 == 0 && p.a != QLatin1String("7") ? QStringLiteral("7") : p.a);
        m.filtre_entree(2 * j + 2, p.b);
    }
    m.Button_OKClick(ms);
    if (m.phase() == MoteurPerfectionnement::Phase::correction)
        m.Button_OKClick(ms += 1000);
    else if (m.phase() == MoteurPerfectionnement::Phase::oui)
        m.Timer_affichageTimer(ms += 400);
}

void BM_moteur_par_reponse(benchmark::State& etat, const QString& tables)
{
    const QStringList produits = produits_des_tables(tables);
    Hasard hasard(1);
    MoteurPerfectionnement moteur(hasard);
    qint64 ms = 0;
    moteur.initialisation(produits, NiveauPerfectionnement::pas_facile, 8, 4, QStringLiteral("10:00:00"), ms);
    int rang = 0;
    for (auto _ : etat)
        repond(moteur, produits, ms, ++rang);
    etat.SetItemsProcessed(etat.iterations());
    etat.counters["valeurs"] = double(moteur.questions().size());
    etat.counters["points_par_paire"] = double(moteur.points_par_paire());
}

void BM_questions_perfectionnement(benchmark::State& etat, const QString& tables)
{
    const QStringList produits = produits_des_tables(tables);
    for (auto _ : etat)
        benchmark::DoNotOptimize(questions_perfectionnement(produits).size());
    etat.counters["produits"] = double(produits.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_moteur_par_reponse, table_7, QStringLiteral("table_7"));
BENCHMARK_CAPTURE(BM_moteur_par_reponse, tables_classiques, QStringLiteral("tables_classiques"));
BENCHMARK_CAPTURE(
    BM_moteur_par_reponse, tous_les_produits, QStringLiteral("tables_classiques,tables_etendues"));
BENCHMARK_CAPTURE(
    BM_questions_perfectionnement, tous_les_produits, QStringLiteral("tables_classiques,tables_etendues"));

BENCHMARK_MAIN();
