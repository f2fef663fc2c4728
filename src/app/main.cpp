#include "app/logique/echelle_ecran.h"
#include "app/logique/ligne_commande.h"
#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "core/horloge.h"
#include "platform/instance_unique.h"
#include "platform/plateforme_systeme.h"
#include "ui/boites.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

void ecrit(FILE* flux, const QString& texte)
{
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

// The application, started again smaller when the panels would not fit the screen at the desktop's
// scale (a small screen, or 200 % on 1920 x 1080): every window then shrinks alike.
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

} // namespace

int main(int argc, char** argv)
{
    // Help and version need no display: they are answered before the application starts.
    QStringList bruts;
    for (int i = 0; i < argc; ++i)
        bruts << QString::fromLocal8Bit(argv[i]);
    const DemandeLancement avant = lit_ligne_commande(bruts);
    if (avant.action == DemandeLancement::Action::Aide || avant.action == DemandeLancement::Action::Version) {
        ecrit(stdout, avant.texte);
        return 0;
    }

    const auto application = demarre_application(argc, argv);
    // Qt's own options (-platform, -style…) are gone from the arguments now.
    const DemandeLancement demande = lit_ligne_commande(QCoreApplication::arguments());
    if (demande.action == DemandeLancement::Action::Erreur) {
        ecrit(stderr, demande.texte);
        return 2;
    }

    // One instance at a time: a second launch ends without any window.
    InstanceUnique instance;
    if (!instance.premiere())
        return 0;

    prepare_application();
    const QString dossier = dossier_de_travail(demande.dossier, qEnvironmentVariable("TABRIX_DOSSIER"),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), QDir::currentPath());
    const PreparationDossier preparation = prepare_dossier_de_travail(dossier, configuration_systeme);
    if (!preparation.utilisable) {
        boites::erreur(nullptr, QStringLiteral("Tabrix"), preparation.message);
        return 1;
    }
    if (!preparation.message.isEmpty())
        boites::avertissement(nullptr, QStringLiteral("Tabrix"), preparation.message);

    HorlogeSysteme horloge;
    PlateformeSysteme plateforme;
    const auto fenetre = ouvre_tabrix(dossier, horloge, plateforme);
    return application->exec();
}
