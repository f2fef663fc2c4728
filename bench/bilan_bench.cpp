// The 1,000-page report of tabrix-outils bilan in process, stage by stage, over the generated school (1,000
// pupils, 100 séances each), each set against the raw read of the same files in the same run, page cache
// warm. Run: build/bench/bench_bilan  (counter "x_brut" = time of the stage / time of the raw read)
#include "core/horloge.h"
#include "reports/pdf_bilan.h"
#include "support/ecole_de_banc.h"
#include "teacher/regles_exports.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

struct Ecole : EcoleDeBanc
{
    ContexteExport contexte;
    QVector<DonneesBilan> bilans;

    Ecole()
    {
        contexte.date = QStringLiteral("15/10/2024");
        bilans = lit();
    }
    // As the command reads them: on every core, in the order given.
    QVector<DonneesBilan> lit() const
    {
        QVector<EleveExporte> eleves;
        for (const QString& c : chemins)
            eleves.append({c, c, QStringLiteral("6A")});
        QVector<DonneesBilan> b;
        for (BilanEleve& e : bilans_eleves(eleves, contexte))
            if (e.bilan)
                b << std::move(*e.bilan);
        return b;
    }
};

const Ecole& ecole()
{
    static const Ecole e;
    return e;
}

const HorlogeManuelle horloge;

// Runs the stage once per iteration after a raw read, and sets its time against the read's.
template <typename F> void mesure(benchmark::State& etat, F&& etape)
{
    ecole(); // written and read before the clock starts
    double brut = 0, temps = 0;
    for (auto _ : etat) {
        brut += lecture_brute(ecole().chemins);
        const auto debut = std::chrono::steady_clock::now();
        etape();
        temps += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    }
    const double n = double(etat.iterations());
    etat.counters["x_brut"] = temps / brut;
    etat.counters["etape_ms"] = 1000 * temps / n;
    etat.counters["brut_ms"] = 1000 * brut / n;
    etat.counters["pages"] = double(ecole().bilans.size());
}

// Reading: each history's chosen test and the pupil's time arrangement.
void BM_bilan_lecture(benchmark::State& etat)
{
    mesure(etat, [] { benchmark::DoNotOptimize(ecole().lit().size()); });
}

// Layout: the contents of every page, then their elements.
void BM_bilan_mise_en_page(benchmark::State& etat)
{
    mesure(etat, [] {
        for (const DonneesBilan& d : ecole().bilans)
            benchmark::DoNotOptimize(compose_page_bilan(calcule_contenu_bilan(d), SupportBilan::pdf).size());
    });
}

// Layout and the PDF bytes of every page on one core, in memory (no file name: EndDoc stops before writing).
void BM_bilan_pdf_un_coeur(benchmark::State& etat)
{
    mesure(etat, [] {
        const QVector<DonneesBilan>& b = ecole().bilans;
        DocumentPdf doc(horloge);
        prepare_document_bilans(doc, {});
        for (int i = 0; i < b.size(); ++i) {
            if (i > 0)
                doc.NewPage();
            bilan_pdf(doc, b[i]);
        }
        doc.EndDoc();
        benchmark::DoNotOptimize(doc.octets().size());
    });
}

// The same on every core, as the command draws them, the bytes going to /dev/null instead of a file.
void BM_bilan_pdf_tous_les_coeurs(benchmark::State& etat)
{
    mesure(etat, [] {
        if (!ecrit_bilans_pdf(ecole().bilans, QStringLiteral("/dev/null"), horloge))
            std::abort();
    });
}

// Everything after the reading: layout, bytes, and the file replaced with its sync to disk.
void BM_bilan_ecrit(benchmark::State& etat)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("bilans.pdf"));
    mesure(etat, [&] {
        if (!ecrit_bilans_pdf(ecole().bilans, fichier, horloge))
            std::abort();
    });
}

// The whole command in process: reading, then writing.
void BM_bilan_complet(benchmark::State& etat)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("bilans.pdf"));
    mesure(etat, [&] {
        if (!ecrit_bilans_pdf(ecole().lit(), fichier, horloge))
            std::abort();
    });
}

} // namespace

BENCHMARK(BM_bilan_lecture)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_bilan_mise_en_page)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_bilan_pdf_un_coeur)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_bilan_pdf_tous_les_coeurs)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_bilan_ecrit)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_bilan_complet)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_MAIN();
