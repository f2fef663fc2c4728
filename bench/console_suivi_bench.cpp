// "Créer liste élèves" of the console's follow-up page on the school of the benchmarks (1,000 pupils,
// 40 classes, 85 MB), offscreen: from the click to the list painted, then each part of it on its own (the
// build of the list, its two files, the records reloaded, the tree filled, the tree painted).
// Run: build/bench/bench_console_suivi   ("affiche_ms" = click to the new list painted; "clic_ms" = click to
// all done, files written; "x_liste" = affiche_ms / the build alone)
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/records.h"
#include "support/ecole_generee.h"
#include "support/environnement_test.h"
#include "support/gui/poste_console.h"
#include "teacher/arbre_eleves.h"
#include "teacher/enregistrement_liste_eleves.h"
#include "teacher/page_suivi.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

template <typename F> double secondes(F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// A home installation whose pupils' folder holds the school of the benchmarks, its console open on the
// follow-up page (which has built the list once on opening).
struct Poste : PosteConsole
{
    PageSuivi* suivi = nullptr;

    Poste()
    {
        FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        ini.change_chemin(dossier.chemin(QStringLiteral("Tabrix.ini")));
        if (!ini.enregistre() || !EcoleGeneree::de_banc().ecrit(dossier.chemin(QStringLiteral("Eleves"))))
            std::abort();
        demarre_session();
        ouvre_console();
        suivi = console->suivi();
    }
};

// Made once, and gone before the application.
std::unique_ptr<Poste> le_poste;

Poste& poste()
{
    if (!le_poste)
        le_poste = std::make_unique<Poste>();
    return *le_poste;
}

// The list painted: the events the click left (layout, update requests) handled.
void montre()
{
    QCoreApplication::processEvents();
    poste().suivi->arbre()->viewport()->repaint();
}

// Notes when the tree is first painted after the click.
class Peinture : public QObject
{
public:
    std::chrono::steady_clock::time_point quand;
    bool vue = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !vue) {
            vue = true;
            quand = std::chrono::steady_clock::now();
        }
        return false;
    }
};

void BM_clic_creer_liste(benchmark::State& etat)
{
    auto* bouton = poste().suivi->findChild<QPushButton*>(QStringLiteral("Button3"));
    Peinture peinture;
    poste().suivi->arbre()->viewport()->installEventFilter(&peinture);
    double clic = 0, affiche = 0, liste = 0;
    for (auto _ : etat) {
        peinture.vue = false;
        const auto debut = std::chrono::steady_clock::now();
        clic += secondes([&] {
            bouton->click();
            montre();
        });
        affiche += std::chrono::duration<double>(peinture.quand - debut).count();
        liste += secondes([&] {
            benchmark::DoNotOptimize(
                creation_liste_eleves(poste().suivi->options(), poste().horloge.date_heure()).lignes.size());
        });
    }
    const double n = double(etat.iterations());
    etat.counters["clic_ms"] = 1000 * clic / n;
    etat.counters["affiche_ms"] = 1000 * affiche / n;
    etat.counters["liste_ms"] = 1000 * liste / n;
    etat.counters["x_liste"] = affiche / liste;
    etat.SetLabel(QStringLiteral("%1 lignes").arg(poste().suivi->liste().lignes.size()).toStdString());
}

void BM_enregistre_liste_eleves(benchmark::State& etat)
{
    const Reglages& r = poste().session->reglages();
    for (auto _ : etat)
        benchmark::DoNotOptimize(enregistre_liste_eleves(
            poste().suivi->liste(), true, r.dossier_statistiques_local, chemins_records(r))
                                     .liste.ok);
}

void BM_recharge_records(benchmark::State& etat)
{
    for (auto _ : etat)
        poste().session->recharge_records();
}

void BM_arbre_charge(benchmark::State& etat)
{
    const ListeEleves& l = poste().suivi->liste();
    for (auto _ : etat) {
        poste().suivi->arbre()->charge(l.lignes, l.chemins);
        benchmark::DoNotOptimize(poste().suivi->arbre()->largeur_ligne_du_haut());
    }
}

void BM_arbre_montre(benchmark::State& etat)
{
    const ListeEleves& l = poste().suivi->liste();
    for (auto _ : etat) {
        etat.PauseTiming();
        poste().suivi->arbre()->charge(l.lignes, l.chemins);
        etat.ResumeTiming();
        montre();
    }
}

} // namespace

BENCHMARK(BM_clic_creer_liste)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_enregistre_liste_eleves)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_recharge_records)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_arbre_charge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_arbre_montre)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnvironnementTest environnement;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    le_poste.reset();
    return 0;
}
