#include "platform/traduction_qt.h"

#include <QCoreApplication>
#include <QTranslator>

bool installe_traduction_qt(QCoreApplication& application, const QString& dossier)
{
    // The program speaks French whatever the desktop's language: the French file, not the system locale's.
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QStringLiteral("qtbase_fr"), dossier)
        || !QCoreApplication::installTranslator(traduction)) {
        delete traduction;
        return false;
    }
    return true;
}
