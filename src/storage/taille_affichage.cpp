#include "storage/taille_affichage.h"

namespace taille_affichage {

namespace {
constexpr int pourcentages[] = {100, 125, 150, 200};
QString texte_pourcentage(int p)
{
    return QString::number(p) + QStringLiteral(" %");
}
} // namespace

const QStringList& choix()
{
    static const QStringList liste = [] {
        QStringList l;
        for (int p : pourcentages)
            l << texte_pourcentage(p);
        return l << comme_le_bureau << adaptee_a_l_ecran;
    }();
    return liste;
}

QString normalise(const QString& valeur)
{
    // "150%", "150 %" and "150" are the same size, whoever typed the file.
    QString v = valeur.simplified();
    v.remove(QLatin1Char(' '));
    if (v.endsWith(QLatin1Char('%')))
        v.chop(1);
    for (int p : pourcentages) {
        if (v == QString::number(p))
            return texte_pourcentage(p);
    }
    for (const QString& c : {comme_le_bureau, adaptee_a_l_ecran}) {
        if (valeur.simplified().compare(c, Qt::CaseInsensitive) == 0)
            return c;
    }
    return comme_le_bureau;
}

std::optional<double> facteur_fixe(const QString& c)
{
    for (int p : pourcentages) {
        if (c == texte_pourcentage(p))
            return p / 100.0;
    }
    return std::nullopt;
}

} // namespace taille_affichage
