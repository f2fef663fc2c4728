#include "reports/pdf_bilan.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A class of 35 pupils with varied tests: some slow, some wrong or passed answers, always 64 products.
QVector<DonneesBilan> classe(int eleves)
{
    std::mt19937 hasard(2024);
    QVector<DonneesBilan> bilans;
    for (int e = 0; e < eleves; ++e) {
        DonneesBilan d;
        d.nom = QStringLiteral("Élève%1").arg(e);
        d.prenom = QStringLiteral("Prénom");
        d.classe = QStringLiteral("CM1a");
        d.etablissement = QStringLiteral("École Jules Ferry");
        d.titre_date = QStringLiteral("Mardi 03/12/2024");
        for (int a = 2; a <= 9; ++a)
            for (int b = 2; b <= 9; ++b) {
                const int temps = 5 + static_cast<int>(hasard() % 120);
                const int tirage = static_cast<int>(hasard() % 10);
                const int reponse = tirage == 0 ? 0 : (tirage == 1 ? a * b + 1 : a * b);
                d.enregistrements += QStringLiteral("P%1%2%3%4")
                                         .arg(a, 2, 10, QLatin1Char('0'))
                                         .arg(b, 2, 10, QLatin1Char('0'))
                                         .arg(temps, 3, 10, QLatin1Char('0'))
                                         .arg(reponse, 4, 10, QLatin1Char('0'));
            }
        bilans << d;
    }
    return bilans;
}

Ecriture document(const QVector<DonneesBilan>& bilans, const QString& fichier, qint64& taille)
{
    static const HorlogeManuelle horloge;
    DocumentPdf doc(horloge);
    prepare_document_bilans(doc, fichier);
    doc.BeginDoc();
    for (int i = 0; i < bilans.size(); ++i) {
        if (i > 0)
            doc.NewPage();
        bilan_pdf(doc, bilans[i]);
    }
    const Ecriture e = doc.EndDoc();
    taille = doc.octets().size();
    return e;
}

// Composing the 35 pages in memory (no file name: EndDoc stops before writing).
void BM_bilans_35_pages_en_memoire(benchmark::State& etat)
{
    const QVector<DonneesBilan> bilans = classe(35);
    qint64 taille = 0;
    for (auto _ : etat) {
        document(bilans, {}, taille);
        benchmark::DoNotOptimize(taille);
    }
    etat.counters["pages"] = 35;
    etat.counters["octets"] = static_cast<double>(taille);
}

// The same, written to a file with the program's atomic replacement (sync to disk included).
void BM_bilans_35_pages_ecrits(benchmark::State& etat)
{
    const QVector<DonneesBilan> bilans = classe(35);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Classe de CM1a.pdf"));
    qint64 taille = 0;
    for (auto _ : etat) {
        if (!document(bilans, fichier, taille)) {
            etat.SkipWithError("écriture impossible");
            break;
        }
    }
    etat.counters["pages"] = 35;
    etat.counters["octets"] = static_cast<double>(taille);
}

} // namespace

BENCHMARK(BM_bilans_35_pages_en_memoire)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_bilans_35_pages_ecrits)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
