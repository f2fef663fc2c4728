#include "app/demarre_application.h"

#include "seance/echelle_ecran.h"

#include <QScreen>
#include <cmath>
#include <vector>

std::unique_ptr<QApplication> demarre_application(
    int& argc, char** argv, const std::function<QString()>& taille_choisie)
{
    const std::vector<char*> arguments(argv, argv + argc + 1);
    const int nombre = argc;
    auto application = std::make_unique<QApplication>(argc, argv);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran || qEnvironmentVariableIsSet("TABRIX_SANS_AJUSTEMENT"))
        return application;
    const EcranDeDepart depart {ecran->availableGeometry().size(), ecran->devicePixelRatio()};
    const double facteur = facteur_affichage(taille_choisie(), depart, taille_utile_minimale);
    const QByteArray actuel = qgetenv("QT_SCALE_FACTOR");
    const QByteArray nouveau = facteur_echelle(actuel, depart, facteur);
    bool ok = false;
    const double ancien = actuel.trimmed().toDouble(&ok);
    if (std::abs(nouveau.toDouble() - (ok && ancien > 0 ? ancien : 1.0)) < 0.005)
        return application;
    application.reset();
    qputenv("QT_SCALE_FACTOR", nouveau);
    // The first application took Qt's own options out of argv: the second one reads them again.
    std::copy(arguments.begin(), arguments.end(), argv);
    argc = nombre;
    return std::make_unique<QApplication>(argc, argv);
}
