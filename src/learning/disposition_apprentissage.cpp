#include "learning/disposition_apprentissage.h"

#include <algorithm>

QVector<QPoint> ListeCoordsPanels(const QVector<int>& fins_de_blocs, int largeur)
{
    constexpr int base = 450;
    QVector<QPoint> coins;
    int x = 168;
    int y = base;
    int debut = 0;
    for (qsizetype b = 0; b < fins_de_blocs.size(); ++b) {
        const int k = fins_de_blocs[b] - debut + 1;
        debut = fins_de_blocs[b] + 1;
        const int hauteur = y == base ? 18 * k : 18 * k + (y - base) + 5;
        if (hauteur > 120) {
            if (b > 0) {
                y = base;
                x += largeur + 5;
            }
            for (int i = 0; i < k; ++i) {
                if (y + 18 > 570) {
                    y = base;
                    x += largeur;
                } else {
                    y += 18;
                }
                coins.append(QPoint(x, y));
            }
        } else {
            if (y != base)
                y += 5;
            for (int i = 0; i < k; ++i) {
                y += 18;
                coins.append(QPoint(x, y));
            }
        }
    }
    return coins;
}

GeometrieEtape geometrie_etape(int m)
{
    GeometrieEtape g;
    if (m >= 18) {
        g.h = 600 / m - 1;
        g.taille_police = (5 * g.h) / 8;
    }
    g.hauteur_panneau = (g.h + 1) * m + 8;
    g.haut_panneau = std::max(200 - g.hauteur_panneau / 2, 0);
    return g;
}
