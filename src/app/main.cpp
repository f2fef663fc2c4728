#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "core/horloge.h"
#include "platform/instance_unique.h"
#include "platform/plateforme_systeme.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    // One instance at a time: a second launch ends without any window.
    InstanceUnique instance;
    if (!instance.premiere())
        return 0;

    prepare_application();
    HorlogeSysteme horloge;
    PlateformeSysteme plateforme;
    const auto fenetre = ouvre_tabrix(QDir::currentPath(), horloge, plateforme);
    return app.exec();
}
