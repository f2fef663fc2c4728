#include "app/demarre_application.h"
#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "core/horloge.h"
#include "platform/instance_unique.h"
#include "platform/plateforme_systeme.h"
#include "seance/ligne_commande.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/taille_affichage.h"
#include "ui/boites.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

namespace {

void ecrit(FILE* flux, const QString& texte)
{
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

QString dossier_demande(const DemandeLancement& demande)
{
    return dossier_de_travail(demande.dossier, qEnvironmentVariable("TABRIX_DOSSIER"),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), QDir::currentPath());
}

// This machine's "Taille de l'affichage", read before any window: the scale is set once, at start.
QString taille_choisie()
{
    const DemandeLancement demande = lit_ligne_commande(QCoreApplication::arguments());
    if (demande.action == DemandeLancement::Action::Erreur)
        return {};
    const FichierIni ini(QDir(dossier_demande(demande)).filePath(cles::fichier));
    return ini.lit_texte(cles::apparence, taille_affichage::cle, QString());
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

    const auto application = demarre_application(argc, argv, taille_choisie);
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
    const QString dossier = dossier_demande(demande);
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
