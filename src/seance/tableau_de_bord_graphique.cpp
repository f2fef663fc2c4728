#include "seance/tableau_de_bord_graphique.h"

#include "core/dates.h"
#include "core/faits.h"

#include <algorithm>

GeometrieGraphique TableauDeBordGraphique::calcule(
    const QVector<JourTest>& jours, const QStringList& classes_par_jour, int largeur_fenetre)
{
    GeometrieGraphique g;
    const int L = gauche_axe;
    const int N = jours.size();
    int c = 0;
    QString classe_affichee;
    for (int i = 1; i <= N; ++i) {
        const JourTest& jour = jours.at(i - 1);
        const int p = jour.pourcentage;

        if (i - 1 < classes_par_jour.size()) {
            const QString classe = classes_par_jour.at(i - 1);
            // A day without a class (no shortcut found) makes no "Classe de :" label.
            if (!classe.isEmpty() && classe != classe_affichee) {
                ElementGraphique e;
                e.sorte = ElementGraphique::Sorte::classe;
                e.rect = QRect(L + 32 * (i + c) - 50, 260, 61, 61);
                e.texte = QStringLiteral("Classe de ") + classe + QLatin1Char(':');
                e.jour = i;
                g.elements.append(e);
                classe_affichee = classe;
                ++c;
            }
        }

        const int x = 32 * (i + c);
        ElementGraphique date;
        date.sorte = ElementGraphique::Sorte::date;
        date.rect = QRect(L + x - 64, 259, 70, 70);
        date.texte = date_courte(jour.cle);
        date.jour = i;
        g.elements.append(date);

        // A day without any product of the objectives (-1) keeps a flat, clickable bar and no value.
        const int hauteur = p >= 0 ? 2 * p + 1 : 1;
        ElementGraphique barre;
        barre.sorte = ElementGraphique::Sorte::barre;
        barre.rect = QRect(L + x - 4, 261 - hauteur, 28, hauteur);
        if (p >= 0)
            barre.couleur = couleur_bande(bande_score(p));
        barre.etiquette = 1000000 + i;
        barre.jour = i;
        g.elements.append(barre);

        ElementGraphique valeur;
        valeur.sorte = ElementGraphique::Sorte::valeur;
        valeur.rect = QRect(L + x - 2, 261 - hauteur - 14, 24, 17);
        valeur.texte = p >= 0 ? QString::number(p) + QLatin1Char('%') : QString();
        valeur.jour = i;
        g.elements.append(valeur);
    }

    const int colonnes = 32 * (N + c);
    const int e = L + colonnes + 80;
    if (e > largeur_zone_initiale) {
        g.largeur_lignes = colonnes + 30;
        g.largeur_contenu = e;
        g.largeur_zone = e;
        const int limite = std::max(largeur_zone_initiale, largeur_fenetre - 200);
        if (e >= limite) {
            g.largeur_zone = limite;
            g.hauteur_zone = hauteur_zone_defilante;
            g.defile_a_droite = true;
        }
    }
    return g;
}
