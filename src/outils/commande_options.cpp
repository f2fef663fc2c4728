#include "outils/commande_options.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

std::optional<QString> valeur_option(
    const QStringList& args, int& i, const QStringList& avec_valeur, QString& erreur)
{
    const QString& a = args[i];
    if (!avec_valeur.contains(a)) {
        erreur = QStringLiteral("option inconnue : %1").arg(a);
        return std::nullopt;
    }
    if (i + 1 >= args.size()) {
        erreur = QStringLiteral("l'option %1 attend une valeur").arg(a);
        return std::nullopt;
    }
    return args[++i];
}

std::optional<ArgumentsCommande> decoupe_arguments(const QStringList& args, const QStringList& drapeaux,
    const QStringList& avec_valeur, bool avec_positionnels, QString& erreur)
{
    ArgumentsCommande lus;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--aide")) {
            lus.aide = true;
            break;
        }
        if (drapeaux.contains(a)) {
            lus.drapeaux << a;
            continue;
        }
        if (avec_positionnels && !a.startsWith(QLatin1String("--"))) {
            lus.positionnels << a;
            continue;
        }
        const std::optional<QString> valeur = valeur_option(args, i, avec_valeur, erreur);
        if (!valeur)
            return std::nullopt;
        lus.options.append({a, *valeur});
    }
    return lus;
}

int arguments_refuses(QTextStream& erreurs, const QString& commande, const QString& erreur)
{
    erreurs << "tabrix-outils " << commande << " : " << erreur << "\n"
            << "Essayez « tabrix-outils " << commande << " --help ».\n";
    erreurs.flush();
    return 2;
}

int aide_ecrite(QTextStream& sortie, const QString& aide)
{
    sortie << aide;
    sortie.flush();
    return 0;
}

bool lit_option_date(const QString& option, const QString& valeur, bool& donnee, QString& date,
    ModeChoixTest& mode, QString& erreur)
{
    if (donnee) {
        erreur = QStringLiteral("une seule date : --dernier-au ou --premier-a-partir-du");
        return false;
    }
    if (valeur.size() != 10 || !QDate::fromString(valeur, QStringLiteral("dd/MM/yyyy")).isValid()) {
        erreur
            = QStringLiteral("date invalide : %1 (attendu JJ/MM/AAAA, par exemple 03/12/2024)").arg(valeur);
        return false;
    }
    donnee = true;
    date = valeur;
    mode = option == QLatin1String("--dernier-au") ? ModeChoixTest::dernier : ModeChoixTest::premier;
    return true;
}

std::optional<int> lit_temps_acceptable(const QString& valeur, QString& erreur)
{
    bool ok = false;
    const int secondes = valeur.toInt(&ok);
    if (!ok || secondes < 1 || secondes > 99) {
        erreur = QStringLiteral("temps de réponse acceptable invalide : %1 (de 1 à 99 secondes)").arg(valeur);
        return std::nullopt;
    }
    return secondes;
}

const QString OptionsIndex::option_dossier = QStringLiteral("--statistiques");
const QString OptionsIndex::option_sans = QStringLiteral("--sans-index");
QString OptionsIndex::aide(int colonne)
{
    const auto ligne = [&](const QString& option, const QString& texte) {
        return (option.isEmpty() ? QString() : QStringLiteral("  ") + option)
                   .leftJustified(colonne - 1, QLatin1Char(' '))
            + texte + QLatin1Char('\n');
    };
    return ligne(option_dossier + QStringLiteral(" DOSSIER"),
               QStringLiteral("dossier statistiques de l'école : son index évite de relire"))
        + ligne({}, QStringLiteral("les historiques inchangés depuis le calcul précédent"))
        + ligne(option_sans, QStringLiteral("relit tous les historiques, sans lire ni écrire l'index"));
}

bool OptionsIndex::prend(const QString& option, const QString& valeur)
{
    if (option == option_dossier)
        dossier_statistiques = valeur;
    else if (option == option_sans)
        sans_index = true;
    else
        return false;
    return true;
}

bool OptionsIndex::verifie(QString& erreur) const
{
    if (dossier_statistiques.isEmpty() || sans_index || QFileInfo(dossier_statistiques).isDir())
        return true;
    erreur = QStringLiteral("le dossier statistiques n'existe pas : %1").arg(dossier_statistiques);
    return false;
}

std::unique_ptr<IndexHistoriques> OptionsIndex::index(const Horloge& horloge) const
{
    if (dossier_statistiques.isEmpty() || sans_index)
        return nullptr;
    return std::make_unique<IndexHistoriques>(
        QDir(dossier_statistiques).filePath(nom_index_historiques), horloge);
}
