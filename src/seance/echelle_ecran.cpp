#include "seance/echelle_ecran.h"

#include <algorithm>
#include <cmath>

double reduction_pour_tenir(QSize besoin, QSize disponible)
{
    if (besoin.isEmpty() || disponible.isEmpty())
        return 1.0;
    const double r = std::min(
        double(disponible.width()) / besoin.width(), double(disponible.height()) / besoin.height());
    // Below one half, text is no longer readable: better a window that scrolls off the screen.
    return std::clamp(r, 0.5, 1.0);
}

QByteArray facteur_echelle_reduit(const QByteArray& facteur_actuel, double reduction)
{
    bool ok = false;
    double actuel = facteur_actuel.trimmed().toDouble(&ok);
    if (!ok || !(actuel > 0))
        actuel = 1.0;
    const double facteur = std::floor(actuel * reduction * 100.0 + 1e-9) / 100.0;
    return QByteArray::number(std::max(facteur, 0.01), 'f', 2);
}
