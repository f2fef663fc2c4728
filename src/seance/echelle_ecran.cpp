#include "seance/echelle_ecran.h"

#include "storage/taille_affichage.h"

#include <algorithm>
#include <cmath>

double facteur_affichage(const QString& taille, const EcranDeDepart& ecran, QSize besoin)
{
    const double rapport = ecran.rapport > 0 ? ecran.rapport : 1.0;
    const QString choix = taille_affichage::normalise(taille);
    double voulu = rapport;
    if (const auto fixe = taille_affichage::facteur_fixe(choix))
        voulu = *fixe;
    if (besoin.isEmpty() || ecran.disponible.isEmpty())
        return voulu; // no screen known: nothing to fit
    const double tient = std::min(ecran.disponible.width() * rapport / besoin.width(),
        ecran.disponible.height() * rapport / besoin.height());
    if (choix == taille_affichage::adaptee_a_l_ecran)
        voulu = tient;
    return std::clamp(tient, voulu / 2, voulu);
}

QByteArray facteur_echelle(const QByteArray& actuel, const EcranDeDepart& ecran, double facteur)
{
    bool ok = false;
    double donne = actuel.trimmed().toDouble(&ok);
    if (!ok || !(donne > 0))
        donne = 1.0;
    const double rapport = ecran.rapport > 0 ? ecran.rapport : 1.0;
    // The desktop's own ratio stays: QT_SCALE_FACTOR multiplies it.
    // Four decimals: "100 %" on a desktop at 150 % must come out at 1 to within a pixel over the screen, or
    // hinted text no longer fits its buttons.
    const double resultat = std::floor(donne * facteur / rapport * 10000.0 + 1e-9) / 10000.0;
    return QByteArray::number(std::max(resultat, 0.0001), 'f', 4);
}
