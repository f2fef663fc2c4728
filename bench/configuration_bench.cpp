#include "storage/configuration.h"
#include "storage/fichier_ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int nombre_sections = 10;
constexpr int cles_par_section = 20;

// A Tabrix.ini of 200 keys in 10 sections, with accents, comments and blank lines, as Windows-1252 bytes.
QByteArray ini_de_200_cles()
{
    QString texte;
    for (int s = 0; s < nombre_sections; ++s) {
        texte += QStringLiteral("; section numéro %1\r\n[Paramètres %1]\r\n").arg(s);
        for (int c = 0; c < cles_par_section; ++c)
            texte += QStringLiteral("Temps de réponse élève %1=%2\r\n").arg(c).arg(s * 100 + c);
        texte += QStringLiteral("\r\n");
    }
    return vers_cp1252(texte);
}

void analyse_200_cles(benchmark::State& etat)
{
    const QByteArray octets = ini_de_200_cles();
    for (auto _ : etat) {
        const FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(octets));
        benchmark::DoNotOptimize(ini.lignes().size());
    }
    etat.SetBytesProcessed(etat.iterations() * octets.size());
    etat.SetLabel(QStringLiteral("%1 clés, %2 octets")
                      .arg(nombre_sections * cles_par_section)
                      .arg(octets.size())
                      .toStdString());
}
BENCHMARK(analyse_200_cles);

void lecture_fichier_200_cles(benchmark::State& etat)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Tabrix.ini"));
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(ini_de_200_cles());
    f.close();
    for (auto _ : etat) {
        const FichierIni ini(chemin);
        benchmark::DoNotOptimize(ini.existe());
    }
    etat.SetLabel("200 clés, lues sur disque");
}
BENCHMARK(lecture_fichier_200_cles);

void recherche_d_une_cle(benchmark::State& etat)
{
    const FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(ini_de_200_cles()));
    const QString section = QStringLiteral("PARAMÈTRES 9");
    const QString cle = QStringLiteral("temps de RÉPONSE élève 19");
    for (auto _ : etat)
        benchmark::DoNotOptimize(ini.lit_entier(section, cle));
    etat.SetLabel("dernière clé, casse différente");
}
BENCHMARK(recherche_d_une_cle);

void mise_a_jour_d_une_cle(benchmark::State& etat)
{
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(ini_de_200_cles()));
    int n = 0;
    for (auto _ : etat)
        ini.ecrit_entier(QStringLiteral("Paramètres 5"), QStringLiteral("Temps de réponse élève 10"), ++n);
    etat.SetLabel("clé existante, 200 clés");
}
BENCHMARK(mise_a_jour_d_une_cle);

void reglages_de_la_configuration_par_defaut(benchmark::State& etat)
{
    const FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    for (auto _ : etat) {
        const Reglages r = lit_reglages(ini, QStringLiteral("/prog/"));
        benchmark::DoNotOptimize(r.temps_reponse_maximum);
    }
    etat.SetLabel("26 clés, objectifs vérifiés");
}
BENCHMARK(reglages_de_la_configuration_par_defaut);

} // namespace

BENCHMARK_MAIN();
