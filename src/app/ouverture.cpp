#include "app/ouverture.h"

#include "app/tgeneral.h"
#include "app/tgeneral_bulles.h"

#include <QApplication>

void prepare_application()
{
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QStringLiteral("0.96.04"));
    TgeneralBulles::installe();
}

std::unique_ptr<Tgeneral> ouvre_tabrix(
    const QString& dossier_travail, const Horloge& horloge, Plateforme& plateforme)
{
    auto fenetre = std::make_unique<Tgeneral>(dossier_travail, horloge, plateforme);
    fenetre->demarre();
    fenetre->showMaximized();
    return fenetre;
}
