#include "core/faits.h"
#include "seance/tableau_de_bord_graphique.h"

#include <gtest/gtest.h>

namespace {

using Sorte = ElementGraphique::Sorte;
using G = TableauDeBordGraphique;

QVector<JourTest> jours(const QList<int>& pourcentages)
{
    QVector<JourTest> resultat;
    int jour = 2;
    for (int p : pourcentages)
        resultat.append({QStringLiteral("Lundi %1/12/2024").arg(jour++, 2, 10, QLatin1Char('0')), p});
    return resultat;
}

QVector<ElementGraphique> de_sorte(const GeometrieGraphique& g, Sorte sorte)
{
    QVector<ElementGraphique> r;
    for (const ElementGraphique& e : g.elements)
        if (e.sorte == sorte)
            r.append(e);
    return r;
}

TEST(GraphiqueJours, une_barre_par_jour_haute_de_deux_pixels_par_point_sur_la_ligne_de_base)
{
    const GeometrieGraphique g = G::calcule(jours({100, 49, 0}), {}, 792);
    const auto barres = de_sorte(g, Sorte::barre);
    ASSERT_EQ(barres.size(), 3);

    EXPECT_EQ(barres[0].rect, QRect(G::gauche_axe + 32 - 4, 60, 28, 201));
    EXPECT_EQ(barres[0].couleur, couleur_bande(Bande::parfait));
    EXPECT_EQ(barres[1].rect, QRect(G::gauche_axe + 64 - 4, 162, 28, 99));
    EXPECT_EQ(barres[1].couleur, couleur_bande(Bande::tres_faible));
    EXPECT_EQ(barres[2].rect.height(), 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(barres[i].rect.bottom(), 260);
        EXPECT_EQ(barres[i].etiquette, 1000001 + i);
    }

    const auto valeurs = de_sorte(g, Sorte::valeur);
    EXPECT_EQ(valeurs[0].texte, QStringLiteral("100%"));
    EXPECT_EQ(valeurs[0].rect, QRect(G::gauche_axe + 32 - 2, 260 - 200 - 14, 24, 17));
    EXPECT_EQ(valeurs[1].texte, QStringLiteral("49%"));
}

TEST(GraphiqueJours, chaque_bande_a_sa_couleur_a_ses_bornes)
{
    const QList<int> bornes {49, 50, 69, 70, 84, 85, 94, 95, 99, 100};
    const GeometrieGraphique g = G::calcule(jours(bornes), {}, 792);
    const auto barres = de_sorte(g, Sorte::barre);
    ASSERT_EQ(barres.size(), bornes.size());
    for (int i = 0; i < bornes.size(); ++i)
        EXPECT_EQ(barres[i].couleur, couleur_bande(bande_score(bornes[i]))) << bornes[i];
    EXPECT_NE(barres[0].couleur, barres[1].couleur);
    EXPECT_NE(barres[8].couleur, barres[9].couleur);
}

TEST(GraphiqueJours, un_jour_non_evalue_a_une_barre_plate_sans_couleur_ni_valeur)
{
    const GeometrieGraphique g = G::calcule(jours({-1}), {}, 792);
    const auto barre = de_sorte(g, Sorte::barre).first();
    EXPECT_FALSE(barre.couleur.has_value());
    EXPECT_EQ(barre.rect.height(), 1);
    EXPECT_EQ(barre.rect.bottom(), 260);
    EXPECT_TRUE(de_sorte(g, Sorte::valeur).first().texte.isEmpty());
}

TEST(GraphiqueJours, les_dates_sont_courtes_et_sous_les_barres)
{
    const GeometrieGraphique g = G::calcule(jours({80, 90}), {}, 792);
    const auto dates = de_sorte(g, Sorte::date);
    ASSERT_EQ(dates.size(), 2);
    EXPECT_EQ(dates[1].rect, QRect(G::gauche_axe + 64 - 64, 259, 70, 70));
    EXPECT_EQ(dates[1].texte, QStringLiteral("Lun 03/12/24"));
}

TEST(GraphiqueJours, un_changement_de_classe_pose_une_etiquette_et_decale_la_suite_d_une_colonne)
{
    const QStringList classes {QStringLiteral("CM1"), QStringLiteral("CM1"), QStringLiteral("CM2")};
    const GeometrieGraphique g = G::calcule(jours({60, 70, 80}), classes, 792);
    const auto etiquettes = de_sorte(g, Sorte::classe);
    ASSERT_EQ(etiquettes.size(), 2);
    EXPECT_EQ(etiquettes[0].texte, QStringLiteral("Classe de CM1:"));
    EXPECT_EQ(etiquettes[1].texte, QStringLiteral("Classe de CM2:"));
    // Day 3 with one label already placed: x = L + 32·(3 + 1) − 50, and the day goes to 32·(3 + 2).
    EXPECT_EQ(etiquettes[1].rect, QRect(G::gauche_axe + 128 - 50, 260, 61, 61));
    const auto barres = de_sorte(g, Sorte::barre);
    EXPECT_EQ(barres[1].rect.left(), G::gauche_axe + 32 * 3 - 4);
    EXPECT_EQ(barres[2].rect.left(), G::gauche_axe + 32 * 5 - 4);
    // The rotated text rises to the baseline in the empty column between the two bars.
    EXPECT_GT(etiquettes[1].rect.right(), barres[1].rect.right());
    EXPECT_LT(etiquettes[1].rect.right(), barres[2].rect.left());
    // A day without a class puts no empty label.
    const QStringList avec_un_vide {QStringLiteral("CE2"), QString(), QStringLiteral("CE2")};
    EXPECT_EQ(de_sorte(G::calcule(jours({60, 70, 80}), avec_un_vide, 792), Sorte::classe).size(), 1);
}

TEST(GraphiqueJours, peu_de_jours_gardent_le_cadre_beaucoup_l_elargissent_puis_font_defiler)
{
    const GeometrieGraphique trois = G::calcule(jours({50, 60, 70}), {}, 792);
    EXPECT_EQ(trois.largeur_lignes, 320);
    EXPECT_EQ(trois.largeur_zone, 600);
    EXPECT_EQ(trois.hauteur_zone, 350);
    EXPECT_FALSE(trois.defile_a_droite);
    EXPECT_TRUE(G::calcule({}, {}, 792).elements.isEmpty());

    // 10 days: e = L + 320 + 80 = 616 passes 600; a wide window lets the area grow.
    const GeometrieGraphique dix = G::calcule(jours(QList<int>(10, 90)), {}, 1920);
    EXPECT_EQ(dix.largeur_lignes, 350);
    EXPECT_EQ(dix.largeur_zone, G::gauche_axe + 400);
    EXPECT_EQ(dix.hauteur_zone, 350);
    EXPECT_FALSE(dix.defile_a_droite);

    // 40 days: e = L + 1280 + 80 reaches the window width − 200.
    const GeometrieGraphique quarante = G::calcule(jours(QList<int>(40, 90)), {}, 1200);
    EXPECT_EQ(quarante.largeur_lignes, 32 * 40 + 30);
    EXPECT_EQ(quarante.largeur_contenu, G::gauche_axe + 32 * 40 + 80);
    EXPECT_EQ(quarante.largeur_zone, 1000);
    EXPECT_EQ(quarante.hauteur_zone, 370);
    EXPECT_TRUE(quarante.defile_a_droite);
    EXPECT_LE(de_sorte(quarante, Sorte::barre).last().rect.right(), quarante.largeur_contenu);

    // A narrow window never shrinks the area below its first width.
    const GeometrieGraphique etroite = G::calcule(jours(QList<int>(12, 90)), {}, 792);
    EXPECT_EQ(etroite.largeur_zone, 600);
    EXPECT_TRUE(etroite.defile_a_droite);
}

} // namespace
