// The learning mode's costs: building the plan for every number of blocks, and the engine's work per answer
// in the final review of 173 products. Run: bench_apprentissage.
#include "apprentissage_eleve_simule.h"
#include "learning/plan_apprentissage.h"

#include <benchmark/benchmark.h>

namespace {

const char* const formules[] = {"1.1.2.1.3", "1.1.1.3", "1.1.2.1.1.4"};

// The plans of 1 to 87 blocks (173 products in blocks of 2), one formula.
void BM_plans_1_a_87_blocs(benchmark::State& etat)
{
    const QString formule = QString::fromLatin1(formules[etat.range(0)]);
    qint64 etapes = 0;
    for (auto _ : etat) {
        for (int B = 1; B <= 87; ++B) {
            const QVector<int> plan = genere_plan_apprentissage_recursif(formule, B);
            etapes += plan.size();
            benchmark::DoNotOptimize(plan.constData());
        }
    }
    etat.SetLabel(formule.toStdString() + ", B = 1 … 87");
    etat.counters["etapes_par_serie"] = double(etapes) / double(etat.iterations());
}
BENCHMARK(BM_plans_1_a_87_blocs)->DenseRange(0, 2);

// Ordering, cutting and planning of 173 products in blocks of 2, as the window does at each opening.
void BM_ouverture_173_produits(benchmark::State& etat)
{
    const QStringList produits = ordre_par_tables();
    const QString formule = QString::fromLatin1(formules[etat.range(0)]);
    for (auto _ : etat) {
        QStringList l = produits;
        rangement_items(QStringLiteral("valeur produit"), l);
        PlanApprentissage plan;
        plan.prepare(int(l.size()), 2, formule);
        benchmark::DoNotOptimize(plan.plan().constData());
    }
    etat.SetLabel(formule.toStdString() + ", 173 produits");
}
BENCHMARK(BM_ouverture_173_produits)->DenseRange(0, 2);

// One answer in the review of all 173 products: record, counters, frequencies, draw of the next item.
void BM_moteur_par_reponse_173(benchmark::State& etat)
{
    Hasard hasard(1);
    MoteurApprentissage moteur(hasard);
    ParametresApprentissage p;
    p.taille_bloc = 2;
    qint64 ms = 0;
    moteur.ouvre(ordre_par_tables(), p, ms, QStringLiteral("10:00:00"));
    EleveSimule parfait(0.0, 1500, 3);
    while (moteur.plan().etape_courante() + 1 < moteur.plan().plan().size())
        parfait.agit(moteur, ms);
    // Often wrong, so that the review never ends while it is measured.
    EleveSimule eleve(0.4, 1500, 5);
    qint64 reponses = 0;
    for (auto _ : etat)
        reponses += eleve.agit(moteur, ms) ? 1 : 0;
    etat.SetLabel("revue de " + std::to_string(moteur.plan().nombre_items_etape()) + " items");
    etat.counters["reponses"] = double(reponses);
}
BENCHMARK(BM_moteur_par_reponse_173);

} // namespace

BENCHMARK_MAIN();
