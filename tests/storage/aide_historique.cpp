// Helper process of the fault tests: it rewrites a large history without end (to be killed mid-write), or
// updates the records list many times while another copy of itself does the same.
#include "storage/historique_enregistrement.h"
#include "storage/historique_exemples.h"
#include "storage/records.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

int reecrit_sans_fin(const QString& chemin)
{
    const QStringList versions[2] = {historique_long(1200, 0), historique_long(1200, 1)};
    for (unsigned n = 0;; ++n) {
        if (!ecrit_lignes(chemin, versions[n % 2]))
            return 2;
        std::printf("%u\n", n % 2);
        std::fflush(stdout);
    }
}

// Pupil prefix_k gets speed i / 25 at update i; after each update, every line this process wrote must
// still be there as it wrote it, whatever the other process did meanwhile.
int met_a_jour(const QString& chemin, const QString& prefixe, int fois)
{
    const CheminsRecords chemins {QString(), chemin};
    QMap<QString, QString> attendues;
    int perdues = 0;
    QStringList liste;
    for (int i = 0; i < fois; ++i) {
        const QString nom = prefixe + QStringLiteral("_%1").arg(i % 25);
        const auto r = mise_a_jour_records(liste, 50, i / 25, nom, chemins);
        if (!r.ecriture || !r.verrou || r.rang == 0) {
            std::fprintf(stderr, "%d: ecriture %d verrou %d rang %d %s\n", i, int(r.ecriture.ok),
                int(r.verrou), r.rang, qPrintable(r.ecriture.erreur));
            ++perdues;
        }
        attendues[nom] = ligne_record(50, i / 25, nom);
        for (const QString& ligne : attendues) {
            if (!liste.contains(ligne)) {
                std::fprintf(stderr, "%d: ligne perdue %s (liste de %d: %s)\n", i, qPrintable(ligne),
                    int(liste.size()), qPrintable(liste.filter(prefixe).join(QLatin1Char(' '))));
                ++perdues;
            }
        }
    }
    std::printf("%d\n", perdues);
    return perdues == 0 ? 0 : 1;
}

// A disk that fills up: files may not grow past `limite` bytes. The pupil's séance on top of a long history
// must then be reported as not recorded (exit 3), never as recorded.
int disque_plein(const QString& chemin, qint64 limite)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit r {static_cast<rlim_t>(limite), static_cast<rlim_t>(limite)};
    if (setrlimit(RLIMIT_FSIZE, &r) != 0)
        return 2;
    const QFileInfo info(chemin);
    Reglages reglages;
    reglages.dossier_eleves = info.absolutePath();
    EtatEleve e;
    e.identite.nom = QStringLiteral("Dupont");
    e.identite.prenom = QStringLiteral("Marie");
    e.identite.nom_fichier = info.completeBaseName();
    e.identite.chemin_historique = chemin;
    e.historique = lit_lignes(chemin).value_or(QStringList {});
    const QDateTime maintenant(QDate(2024, 12, 3), QTime(14, 30, 0));
    const auto res = ajoute_activite(e, reglages, maintenant, QStringLiteral("SALLE-3"),
        ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"),
            reponses_justes(QStringLiteral("tables_classiques"))));
    std::printf("%s\n", qPrintable(res.erreur));
    return res.ok ? 0 : 3;
}

// The same disk under a long document written piece by piece (a PDF of reports): reported as not written.
int disque_plein_par_morceaux(const QString& chemin, qint64 limite)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit r {static_cast<rlim_t>(limite), static_cast<rlim_t>(limite)};
    if (setrlimit(RLIMIT_FSIZE, &r) != 0)
        return 2;
    const Ecriture e = ecrit_par_morceaux(chemin, [&](const EcritMorceau& ecris) {
        bool tous = true;
        for (int i = 0; i < 8 && tous; ++i)
            tous = ecris(QByteArray(limite / 4, 'x'));
        return tous;
    });
    std::printf("%s\n", qPrintable(e.erreur));
    return e.ok ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("ecrit"))
        return reecrit_sans_fin(args[2]);
    if (args.size() == 5 && args[1] == QLatin1String("records"))
        return met_a_jour(args[2], args[3], args[4].toInt());
    if (args.size() == 4 && args[1] == QLatin1String("plein"))
        return disque_plein(args[2], args[3].toLongLong());
    if (args.size() == 4 && args[1] == QLatin1String("plein-morceaux"))
        return disque_plein_par_morceaux(args[2], args[3].toLongLong());
    std::fprintf(stderr,
        "usage: aide_historique ecrit FICHIER | records FICHIER PREFIXE FOIS | plein FICHIER OCTETS"
        " | plein-morceaux FICHIER OCTETS\n");
    return 64;
}
