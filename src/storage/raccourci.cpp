#include "storage/raccourci.h"
#include "storage/fichier_texte.h"

#include "storage/dossiers.h"

#include <QFile>

QString chemin_raccourci(const QString& dossier, const QString& nom_fichier)
{
    return chemin_normalise(dossier) + QLatin1Char('/') + nom_fichier + QStringLiteral(".lnk");
}

Ecriture cree_raccourci(const QString& dossier, const QString& nom_fichier, const QString& cible)
{
    const QString chemin = chemin_raccourci(dossier, nom_fichier);
    if (fichier_present(chemin))
        return {};
    return ecrit_lignes(chemin, {chemin_normalise(cible)});
}

std::optional<QString> cible_raccourci(const QString& chemin)
{
    const auto lignes = lit_lignes(chemin_normalise(chemin));
    if (!lignes || lignes->isEmpty() || lignes->first().trimmed().isEmpty())
        return std::nullopt;
    return chemin_normalise(lignes->first().trimmed());
}
