#include "app/tgeneral.h"
#include "app/tgeneral_bulles.h"
#include "core/horloge.h"
#include "platform/instance_unique.h"
#include "platform/plateforme_systeme.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QStringLiteral("0.96.04"));

    // One instance at a time: a second launch ends without any window.
    InstanceUnique instance;
    if (!instance.premiere())
        return 0;

    TgeneralBulles::installe();
    HorlogeSysteme horloge;
    PlateformeSysteme plateforme;
    Tgeneral fenetre(QDir::currentPath(), horloge, plateforme);
    fenetre.demarre();
    fenetre.showMaximized();
    return app.exec();
}
