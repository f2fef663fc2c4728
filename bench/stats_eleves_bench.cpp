// genere_donnees over a generated school of 1,000 pupils in 40 classes (100 séances each, ~90 KB a history),
// against the raw read of the same history files; and the PDF of a class of 35 reports.
#include "core/horloge.h"
#include "support/ecole_generee.h"
#include "teacher/regles_exports.h"
#include "teacher/regles_stats_eleves.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Ecole
{
    QTemporaryDir dossier;
    EcoleGeneree g = EcoleGeneree::de_banc();
    ParametresStats p;

    Ecole()
    {
        if (!g.ecrit(dossier.path()))
            std::abort();
        // Five levels of eight classes, as a collège might have.
        for (int i = 0; i < 5; ++i) {
            Niveau n {QStringLiteral("niveau %1").arg(i + 1), {}};
            for (int c = 8 * i; c < 8 * i + 8; ++c)
                n.classes << EcoleGeneree::nom_classe(c);
            p.niveaux.append(n);
        }
        p.dossier_etablissement = g.dossier_etablissement(dossier.path());
        p.dossier_annee = p.dossier_etablissement + QLatin1Char('/') + g.annee;
        p.date = QStringLiteral("15/11/2024"); // in the middle of the histories
    }
};

Ecole& ecole()
{
    static Ecole e;
    return e;
}

void BM_lecture_brute(benchmark::State& etat)
{
    const Ecole& e = ecole();
    for (auto _ : etat) {
        qsizetype lignes = 0;
        for (int i = 0; i < e.g.eleves; ++i)
            lignes += lit_lignes(e.p.dossier_etablissement + QLatin1Char('/') + EcoleGeneree::nom_eleve(i)
                + QStringLiteral(".txt"))
                          ->size();
        benchmark::DoNotOptimize(lignes);
    }
    etat.SetLabel("1000 historiques de 100 séances");
}

void BM_genere_donnees(benchmark::State& etat, QString abscisse, QString ordonnee)
{
    ParametresStats p = ecole().p;
    p.abscisse = abscisse;
    p.ordonnee = ordonnee;
    for (auto _ : etat) {
        const DonneesStats d = genere_donnees(p);
        if (d.nb_eleves != 1000)
            std::abort();
        benchmark::DoNotOptimize(d);
    }
    etat.SetLabel("1000 élèves, 40 classes");
}

void BM_export_classe_pdf(benchmark::State& etat)
{
    QTemporaryDir dossier;
    EcoleGeneree g = EcoleGeneree::de_banc();
    g.eleves = 35;
    g.classes = 1;
    g.seances = 20;
    if (!g.ecrit(dossier.path()))
        std::abort();
    ContexteExport c;
    c.date = QStringLiteral("31/12/2024");
    c.dossier_etablissement = g.dossier_etablissement(dossier.path());
    const NoeudExporte classe {c.dossier_etablissement + QLatin1Char('/') + g.annee + QStringLiteral("/C01"),
        QStringLiteral("C01: 35 élèves"), QStringLiteral("Total: 35 élèves")};
    HorlogeManuelle horloge;
    const QString pdf = dossier.filePath(QStringLiteral("Classe de C01.pdf"));
    for (auto _ : etat) {
        const BilansExportes b = bilans_du_noeud(classe, c);
        if (b.bilans.size() != 35 || !ecrit_bilans_pdf(b.bilans, pdf, horloge))
            std::abort();
    }
    etat.SetLabel("35 pages, " + std::to_string(QFileInfo(pdf).size() / 1024) + " Kio");
}

} // namespace

BENCHMARK(BM_lecture_brute)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_genere_donnees, niveau_rapidite, axes_stats::niveau, axes_stats::rapidite)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_genere_donnees, score_pourcentage, axes_stats::score, axes_stats::pourcentage_eleves)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_export_classe_pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
