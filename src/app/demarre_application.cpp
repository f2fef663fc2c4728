#include "app/demarre_application.h"

#include "seance/echelle_ecran.h"

#include <QScreen>
#include <vector>

std::unique_ptr<QApplication> demarre_application(int& argc, char** argv)
{
    const std::vector<char*> arguments(argv, argv + argc + 1);
    const int nombre = argc;
    auto application = std::make_unique<QApplication>(argc, argv);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran || qEnvironmentVariableIsSet("TABRIX_SANS_AJUSTEMENT"))
        return application;
    const double reduction = reduction_pour_tenir(taille_utile_minimale, ecran->availableGeometry().size());
    if (reduction >= 1.0)
        return application;
    application.reset();
    qputenv("QT_SCALE_FACTOR", facteur_echelle_reduit(qgetenv("QT_SCALE_FACTOR"), reduction));
    // The first application took Qt's own options out of argv: the second one reads them again.
    std::copy(arguments.begin(), arguments.end(), argv);
    argc = nombre;
    return std::make_unique<QApplication>(argc, argv);
}
