// Start-up and pupil séance on real files in a temporary folder: what a pupil waits for at launch, at
// identification and after each activity.
#include "seance/demarrage.h"
#include "seance/session.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/historique_exemples.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ecrit_configuration(const QString& dossier, const QVector<std::array<QString, 3>>& cles)
{
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(QDir(dossier).filePath(QStringLiteral("Tabrix.ini")));
    for (const auto& [section, cle, valeur] : cles)
        ini.ecrit_texte(section, cle, valeur);
    ini.enregistre();
}

QString niveaux_15_par_20()
{
    QString valeur;
    for (int n = 1; n <= 15; ++n) {
        valeur += QStringLiteral("N%1<").arg(n);
        for (int c = 1; c <= 20; ++c)
            valeur += QStringLiteral("%1c%2%3").arg(n).arg(c).arg(
                c < 20 ? QStringLiteral(",") : QStringLiteral(">"));
    }
    return valeur;
}

struct Poste
{
    QTemporaryDir dossier;
    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    QString travail() const { return dossier.path() + QStringLiteral("/poste"); }
    QString serveur() const { return dossier.path() + QStringLiteral("/serveur"); }
    Poste()
    {
        QDir().mkpath(travail());
        QDir().mkpath(serveur() + QStringLiteral("/Tabrix"));
    }
};

void BM_initialise_session_maison(benchmark::State& state)
{
    Poste p;
    Session s(p.travail(), p.horloge, p.messages, p.plateforme);
    s.initialise_session();
    for (auto _ : state)
        s.initialise_session();
    state.SetLabel("Tabrix.ini par défaut, dossiers déjà créés");
}
BENCHMARK(BM_initialise_session_maison)->Unit(benchmark::kMicrosecond);

void BM_demarrage_ecole_15_niveaux_de_20_classes(benchmark::State& state)
{
    Poste p;
    ecrit_configuration(p.travail(),
        {{cles::general, cles::mode, QStringLiteral("Ecole")},
            {cles::dossiers, cles::chemin_serveur, p.serveur()},
            {cles::etablissement, cles::nom, QStringLiteral("Collège Test")},
            {cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
                niveaux_15_par_20()}});
    for (auto _ : state) {
        Session s(p.travail(), p.horloge, p.messages, p.plateforme);
        demarre_session(s);
        benchmark::DoNotOptimize(s.reglages().niveaux.size());
    }
    state.SetLabel("300 dossiers de classe (existants après le premier tour)");
}
BENCHMARK(BM_demarrage_ecole_15_niveaux_de_20_classes)->Unit(benchmark::kMillisecond);

void BM_identification_historique_de_3000_seances(benchmark::State& state)
{
    Poste p;
    QDir().mkpath(p.travail() + QStringLiteral("/Eleves"));
    const QStringList lignes = historique_long(3000);
    ecrit_lignes(p.travail() + QStringLiteral("/Eleves/Dupont_Marie.txt"), lignes);
    Session s(p.travail(), p.horloge, p.messages, p.plateforme);
    IdentiteEleve id;
    id.nom = QStringLiteral("Dupont");
    id.prenom = QStringLiteral("Marie");
    id.nom_fichier = QStringLiteral("Dupont_Marie");
    for (auto _ : state) {
        s.initialise_session();
        s.initialise_session_eleve(id);
        benchmark::DoNotOptimize(s.eleve().jours_tests.size());
    }
    state.counters["lignes"] = double(lignes.size());
}
BENCHMARK(BM_identification_historique_de_3000_seances)->Unit(benchmark::kMillisecond);

void BM_activite_ecrite_au_fil_de_l_eau_3000_seances(benchmark::State& state)
{
    Poste p;
    QDir().mkpath(p.travail() + QStringLiteral("/Eleves"));
    ecrit_lignes(p.travail() + QStringLiteral("/Eleves/Dupont_Marie.txt"), historique_long(3000));
    Session s(p.travail(), p.horloge, p.messages, p.plateforme);
    IdentiteEleve id;
    id.nom = QStringLiteral("Dupont");
    id.prenom = QStringLiteral("Marie");
    id.nom_fichier = QStringLiteral("Dupont_Marie");
    s.initialise_session();
    s.initialise_session_eleve(id);
    const QString ligne = ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 84);
    for (auto _ : state)
        s.ajoute_activite(ligne);
    state.SetLabel("historique réécrit entier, fsync compris");
}
BENCHMARK(BM_activite_ecrite_au_fil_de_l_eau_3000_seances)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
