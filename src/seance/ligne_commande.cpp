#include "seance/ligne_commande.h"

#include "storage/configuration.h"
#include "storage/fichier_texte.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QCommandLineOption option_aide({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("aide")},
    QStringLiteral("Affiche cette aide et s'arrête."));
const QCommandLineOption option_version({QStringLiteral("v"), QStringLiteral("version")},
    QStringLiteral("Affiche la version du programme et s'arrête."));
const QCommandLineOption option_dossier({QStringLiteral("d"), QStringLiteral("dossier")},
    QStringLiteral("Dossier de travail (Tabrix.ini, élèves, statistiques)."), QStringLiteral("DOSSIER"));

QString nom_option(const QString& nom)
{
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

DemandeLancement erreur(const QString& message)
{
    DemandeLancement demande;
    demande.action = DemandeLancement::Action::Erreur;
    demande.texte
        = QStringLiteral("tabrix : %1\nEssayez « tabrix --help » pour en savoir plus.\n").arg(message);
    return demande;
}

} // namespace

QString texte_aide()
{
    return QStringLiteral(
        "Utilisation : tabrix [OPTION]...\n"
        "Apprendre les tables de multiplication, s'y entraîner et s'y évaluer.\n"
        "\n"
        "Options :\n"
        "  -d, --dossier DOSSIER  Dossier de travail : Tabrix.ini, dossiers des élèves,\n"
        "                         statistiques.\n"
        "  -h, --help             Affiche cette aide et s'arrête.\n"
        "  -v, --version          Affiche la version du programme et s'arrête.\n"
        "\n"
        "Sans --dossier, le dossier de travail est celui de la variable TABRIX_DOSSIER,\n"
        "sinon ~/.local/share/Tabrix. Au premier démarrage dans un dossier sans Tabrix.ini,\n"
        "le programme y copie /etc/tabrix/Tabrix.ini s'il existe, sinon sa configuration\n"
        "par défaut.\n");
}

DemandeLancement lit_ligne_commande(const QStringList& arguments)
{
    QCommandLineParser analyseur;
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyseur.addOptions({option_aide, option_version, option_dossier});
    const bool lu = analyseur.parse(arguments);
    // Help and version answer even beside a mistake, as a user who asks for them expects.
    if (analyseur.isSet(option_aide))
        return {DemandeLancement::Action::Aide, {}, texte_aide()};
    if (analyseur.isSet(option_version))
        return {DemandeLancement::Action::Version, {}, QStringLiteral("Tabrix %1\n").arg(version_tabrix)};
    if (!analyseur.unknownOptionNames().isEmpty())
        return erreur(
            QStringLiteral("option inconnue : %1").arg(nom_option(analyseur.unknownOptionNames().first())));
    if (!lu)
        return erreur(QStringLiteral("l'option --dossier attend le nom d'un dossier"));
    if (!analyseur.positionalArguments().isEmpty())
        return erreur(QStringLiteral("argument inattendu : %1").arg(analyseur.positionalArguments().first()));
    const QStringList dossiers = analyseur.values(option_dossier);
    if (dossiers.size() > 1)
        return erreur(QStringLiteral("l'option --dossier n'est permise qu'une fois"));
    if (!dossiers.isEmpty() && dossiers.first().trimmed().isEmpty())
        return erreur(QStringLiteral("l'option --dossier attend le nom d'un dossier"));
    DemandeLancement demande;
    demande.dossier = dossiers.value(0);
    return demande;
}

QString dossier_de_travail(const QString& option_dossier, const QString& variable_environnement,
    const QString& dossier_donnees, const QString& dossier_courant)
{
    QString choisi = option_dossier;
    // A variable set but empty, or blank, is taken as not set.
    if (choisi.isEmpty() && !variable_environnement.trimmed().isEmpty())
        choisi = variable_environnement;
    if (choisi.isEmpty())
        choisi = QDir(dossier_donnees).filePath(QStringLiteral("Tabrix"));
    if (choisi == QLatin1String("~") || choisi.startsWith(QLatin1String("~/")))
        choisi = QDir::homePath() + choisi.mid(1);
    return QDir::cleanPath(QDir(dossier_courant).absoluteFilePath(choisi));
}

PreparationDossier prepare_dossier_de_travail(const QString& dossier, const QString& configuration_ecole)
{
    const QFileInfo info(dossier);
    if (info.exists() && !info.isDir())
        return {false, QStringLiteral("« %1 » existe déjà et n'est pas un dossier.").arg(dossier)};
    if (!QDir().mkpath(dossier))
        return {false, QStringLiteral("Le dossier de travail « %1 » n'a pas pu être créé.").arg(dossier)};
    const QString configuration = QDir(dossier).filePath(cles::fichier);
    if (fichier_present(configuration) || !QFileInfo(configuration_ecole).isFile())
        return {};
    QFile source(configuration_ecole);
    if (!source.open(QIODevice::ReadOnly))
        return {true,
            QStringLiteral("La configuration de l'établissement « %1 » n'a pas pu être lue : "
                           "la configuration par défaut est utilisée.")
                .arg(configuration_ecole)};
    // A failed copy leaves no file: the program then writes its default there, or runs on it.
    if (const Ecriture e = ecrit_octets(configuration, source.readAll()); !e)
        return {true, e.erreur};
    return {};
}
