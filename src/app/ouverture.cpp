#include "app/ouverture.h"

#include "app/tgeneral.h"
#include "app/tgeneral_bulles.h"
#include "platform/traduction_qt.h"
#include "seance/ligne_commande.h"
#include "ui/apparence.h"
#include "ui/cadre_focus.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QScreen>

void prepare_application()
{
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(version_tabrix);
    QApplication::setDesktopFileName(QStringLiteral("fr.tabrix.Tabrix"));
    // The installed icon, else the one compiled into the program (run from its build folder).
    QIcon icone;
    for (QDirIterator images(QStringLiteral(":/icones"), QDir::Files, QDirIterator::Subdirectories);
         images.hasNext();)
        icone.addFile(images.next());
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tabrix"), icone));
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        applique_apparence(*application);
        installe_traduction_qt(*application);
    }
    TgeneralBulles::installe();
    CadreFocus::installe();
}

std::unique_ptr<Tgeneral> ouvre_tabrix(
    const QString& dossier_travail, const Horloge& horloge, Plateforme& plateforme)
{
    auto fenetre = std::make_unique<Tgeneral>(dossier_travail, horloge, plateforme);
    fenetre->demarre();
    // Its place when not maximised is the whole screen too: without a window manager, or while one has
    // un-maximised it, it still fills the screen.
    if (const QScreen* ecran = fenetre->screen())
        fenetre->setGeometry(ecran->availableGeometry());
    fenetre->showMaximized();
    return fenetre;
}
