#include "core/faits.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int T = 4;

// A finished test: every product once in random order, about one in ten wrong and asked again.
struct TestSimule
{
    QStringList produits;
    QString enregistrements;

    explicit TestSimule(const QString& tables)
        : produits(produits_des_tables(tables))
    {
        std::mt19937 hasard(2024);
        QStringList ordre = produits;
        std::shuffle(ordre.begin(), ordre.end(), hasard);
        QStringList a_reposer;
        for (const QString& code : ordre) {
            const int dixiemes = int(hasard() % 120);
            const bool faux = hasard() % 10 == 0;
            const int valeur = valeur_produit(code).toInt();
            enregistrements
                += u'P' + code + zeros_devant(dixiemes, 3) + zeros_devant(faux ? valeur + 1 : valeur, 4);
            if (faux)
                a_reposer << code;
        }
        for (const QString& code : a_reposer)
            enregistrements += u'P' + code + QStringLiteral("040") + valeur_produit_4(code);
    }
};

const TestSimule& test_simule(int taille)
{
    static const TestSimule classiques(QStringLiteral("tables_classiques"));
    static const TestSimule toutes(QStringLiteral("tables_classiques,tables_etendues"));
    return taille == 64 ? classiques : toutes;
}

void etiquette(benchmark::State& state, const TestSimule& t)
{
    state.SetLabel(QStringLiteral("%1 produits, %2 enregistrements")
                       .arg(t.produits.size())
                       .arg(t.enregistrements.size() / 12)
                       .toStdString());
}

void BM_dernieres_reponses(benchmark::State& state)
{
    const TestSimule& t = test_simule(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dernieres_reponses(t.enregistrements));
    etiquette(state, t);
}

void BM_classement_tables(benchmark::State& state)
{
    const TestSimule& t = test_simule(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(classement_tables(t.produits, t.enregistrements, T));
    etiquette(state, t);
}

void BM_classement_produits(benchmark::State& state)
{
    const TestSimule& t = test_simule(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(classement_produits(t.produits, t.enregistrements, T));
    etiquette(state, t);
}

void BM_selection_tables_entieres(benchmark::State& state)
{
    const TestSimule& t = test_simule(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            selection_produits(ModeSelection::tables_entieres, 24, t.produits, t.enregistrements, T));
    etiquette(state, t);
}

void BM_selection_trous(benchmark::State& state)
{
    const TestSimule& t = test_simule(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            selection_produits(ModeSelection::trous, 24, t.produits, t.enregistrements, T));
    etiquette(state, t);
}

} // namespace

BENCHMARK(BM_dernieres_reponses)->Arg(64)->Arg(173);
BENCHMARK(BM_classement_tables)->Arg(64)->Arg(173);
BENCHMARK(BM_classement_produits)->Arg(64)->Arg(173);
BENCHMARK(BM_selection_tables_entieres)->Arg(64)->Arg(173);
BENCHMARK(BM_selection_trous)->Arg(64)->Arg(173);

BENCHMARK_MAIN();
