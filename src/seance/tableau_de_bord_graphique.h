#pragma once

#include "core/etat.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One component of the dashboard chart, in the chart area's coordinates.
struct ElementGraphique
{
    enum class Sorte
    {
        barre,
        date,
        valeur,
        classe
    };

    Sorte sorte = Sorte::barre;
    QRect rect;
    QString texte; // date, "73%" or "Classe de CM1:"; empty for a bar
    std::optional<unsigned int> couleur; // bars: 0xRRGGBB of the score band; none keeps the default colour
    int etiquette = 0; // bars: 1 000 000 + day number
    int jour = 0; // day number from 1
};

// Everything the window needs to draw the chart of the tested days.
struct GeometrieGraphique
{
    QVector<ElementGraphique> elements; // in creation order: "composant" + (index + 1)
    int largeur_lignes = 320; // the six grade lines
    int largeur_zone = 600; // Scrollbox1
    int hauteur_zone = 350;
    int largeur_contenu = 600; // scrolled content
    bool defile_a_droite = false; // show the latest days
};

// Computes the chart of the tested days; the class-change labels need one class per day (empty list at home).
class TableauDeBordGraphique
{
public:
    static constexpr int gauche_axe = 216; // L: left of the vertical axis
    static constexpr int ligne_de_base = 261;
    static constexpr int largeur_zone_initiale = 600;
    static constexpr int hauteur_zone_initiale = 350;
    static constexpr int hauteur_zone_defilante = 370;

    // largeur_fenetre: the width the area is laid out in; the area stops growing at that width − 200.
    static GeometrieGraphique calcule(
        const QVector<JourTest>& jours, const QStringList& classes_par_jour, int largeur_fenetre);
};
