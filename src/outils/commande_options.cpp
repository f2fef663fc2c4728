#include "outils/commande_options.h"

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
