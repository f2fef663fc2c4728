#include "outils/commande_bilan.h"
#include "outils/commande_confusions.h"
#include "outils/commande_liste.h"
#include "outils/commande_progression.h"
#include "outils/commande_stats.h"
#include "outils/commande_verifie.h"
#include "outils/dessins.h"
#include "platform/traduction_qt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    // Drawing a chart needs fonts, hence a GUI application from the drawing module; without it the
    // command still computes and says why its picture is not written.
    bool dessine = false;
    for (int i = 1; i < argc; ++i)
        dessine |= std::strcmp(argv[i], "--png") == 0;
    QString erreur_dessins;
    const Dessins* dessins = dessine
        ? charge_dessins(chemins_module_dessins(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(),
                             QStringLiteral(TABRIX_MODULES_RELATIF)),
            erreur_dessins)
        : nullptr;
    const std::unique_ptr<QCoreApplication> application(
        dessins ? dessins->application(argc, argv) : new QCoreApplication(argc, argv));
    // Qt's messages that reach the user (a file that cannot be written) in French too.
    installe_traduction_qt(*application);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    if (arguments.isEmpty()) {
        erreurs << aide_generale();
        return 2;
    }
    const QString commande = arguments.takeFirst();
    if (commande == QLatin1String("-h") || commande == QLatin1String("--help")
        || commande == QLatin1String("aide")) {
        sortie << aide_generale();
        return 0;
    }
    if (commande == QLatin1String("bilan")) {
        const HorlogeSysteme horloge;
        return commande_bilan(arguments, sortie, erreurs, horloge);
    }
    if (commande == QLatin1String("confusions")) {
        const HorlogeSysteme horloge;
        return commande_confusions(arguments, sortie, erreurs, horloge);
    }
    if (commande == QLatin1String("liste")) {
        const HorlogeSysteme horloge;
        return commande_liste(arguments, sortie, erreurs, horloge);
    }
    if (commande == QLatin1String("progression")) {
        const HorlogeSysteme horloge;
        return commande_progression(
            arguments, sortie, erreurs, horloge, [&](const DonneesProgression& d, const QString& chemin) {
                return dessins ? dessins->png_progression(d, chemin) : erreur_dessins;
            });
    }
    if (commande == QLatin1String("stats")) {
        const HorlogeSysteme horloge;
        return commande_stats(
            arguments, sortie, erreurs, horloge, [&](const DonneesStats& d, const QString& chemin) {
                return dessins ? dessins->png_stats(d, chemin) : erreur_dessins;
            });
    }
    if (commande == QLatin1String("verifie") || commande == QStringLiteral("vérifie")) {
        const HorlogeSysteme horloge;
        return commande_verifie(arguments, sortie, erreurs, horloge);
    }
    erreurs << "tabrix-outils : commande inconnue : " << commande << "\n" << aide_generale();
    return 2;
}
