#include "teacher/regles_graphique_stats.h"

#include <algorithm>

int pas_echelle(int haut)
{
    if (haut <= 0)
        return 1;
    const QString t = QString::number(haut);
    const int chiffre = t.at(0).digitValue();
    const int d = int(t.size());
    int puissance = 1;
    for (int k = 0; k < d - 2; ++k)
        puissance *= 10;
    int pas = 1;
    if (chiffre == 1)
        pas = puissance;
    else if (chiffre <= 4)
        pas = 5 * puissance;
    else
        pas = d < 2 ? 1 : puissance * 10;
    // A top of 2 to 4 under a step of 5 would leave the scale with its 0 line only.
    return pas > haut ? 1 : pas;
}

QRect GeometrieStats::barre(int rang, int valeur, int haut) const
{
    const int centre = x_colonne(rang) + largeur_colonne / 2;
    const int h = haut > 0 ? int((qint64(std::max(valeur, 0)) * unite + pas / 2) / pas) : 0;
    return QRect(centre - largeur_barre / 2, base() - h, largeur_barre, h);
}

GeometrieStats geometrie_stats(
    const DonneesStats& d, const std::function<int(const QString&)>& largeur_texte, int largeur_titre)
{
    GeometrieStats g;
    const int haut = std::max(d.haut, 1);
    g.pas = pas_echelle(haut);
    g.lignes = haut / g.pas + 1;
    int plus_large = 0;
    for (const auto& b : d.barres)
        plus_large = std::max(plus_large, largeur_texte(b.first));
    g.largeur_colonne = std::max(plus_large + 10, GeometrieStats::largeur_colonne_minimum);
    g.marge_gauche = largeur_texte(QString::number(haut));
    g.unite = GeometrieStats::hauteur_utile * g.pas / haut;
    g.largeur = int(d.barres.size()) * g.largeur_colonne + g.marge_gauche;
    // The title and the pupil count stay whole, clear of the scale's numbers, on a chart of few bars.
    const int texte_eleves = largeur_texte(QLatin1Char('(') + d.texte_eleves() + QLatin1Char(')'));
    g.largeur = std::max({g.largeur, largeur_titre + 2 * g.marge_gauche + 20, texte_eleves + 20});
    g.hauteur = 2 * GeometrieStats::marge_verticale + (g.lignes - 1) * g.unite;
    return g;
}
