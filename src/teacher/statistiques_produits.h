#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Per-product statistics of a group of pupils over the 64 classic products, and the wrong results they gave
// ("confusions"). No widget: the "Statistiques par produits" window and `tabrix-outils confusions` draw it.

enum class Categorie
{
    rapide, // right within the acceptable time (score 100)
    lente, // right but slower (score 1 to 99)
    fausse, // wrong, an answer was typed
    sans_reponse // answer 0000
};
constexpr int nombre_categories = 4;
using Categories = std::array<bool, nombre_categories>; // ticked, by Categorie

enum class ModeAffichage
{
    pourcentage, // "pourcentage d'élèves"
    nombre, // "nombre d'élèves"
    temps_moyen, // "temps moyen de réponse"
    vitesse // "nombre moyen de bonnes réponses par mn"
};

enum class TriConfusions
{
    frequence,
    produit,
    resultat
};

enum class Teinte
{
    blanc,
    gris_clair,
    jaune,
    orange,
    rouge,
    rouge_fonce
};
unsigned int rgb_teinte(Teinte t); // 0xRRGGBB
QString nom_teinte(Teinte t); // "blanc", "gris clair"…

// Counts and time sums (tenths of a second) of one product, by category.
struct CelluleProduit
{
    std::array<int, nombre_categories> nombres {};
    std::array<qint64, nombre_categories> temps {};
};

struct CaseAffichee
{
    QString texte;
    std::optional<Teinte> teinte; // none: the cell keeps the colour it had
    bool texte_blanc() const { return teinte == Teinte::rouge || teinte == Teinte::rouge_fonce; }
};

constexpr int nombre_cases = 64;
// Cell k (1 to 64) holds a × b with a = (k − 1) div 8 + 2 and b = (k − 1) mod 8 + 2.
int facteur_colonne(int k);
int facteur_ligne(int k);

// Whether r is a product of two factors from 1 to 10, 1 and 100 left out: only such wrong results count.
bool resultat_compte(int r);
Categorie categorie_reponse(int score, int reponse);

struct Calcul
{
    std::array<CelluleProduit, nombre_cases> cellules {};
    std::array<CaseAffichee, nombre_cases> cases {};
    QStringList confusions; // lines of the list, sorted, " fois" on the first
    int nombre_confusions = 0;
    QString texte_nombre_confusions() const
    {
        return nombre_confusions == 1
            ? QStringLiteral("1 confusion différente")
            : QString::number(nombre_confusions) + QStringLiteral(" confusions différentes");
    }
};

// One run of answer records per tested pupil; N counts every pupil, tested or not; T in seconds.
Calcul calcule(const QStringList& reponses, int N, ModeAffichage mode, const Categories& cochees, int T,
    TriConfusions tri);
// The text and colour of one cell under the mode and ticks.
CaseAffichee case_affichee(const CelluleProduit& c, int N, ModeAffichage mode, const Categories& cochees);
// The colour of a value under the mode and ticks; none when the cell keeps its colour.
std::optional<Teinte> teinte_case(int v, ModeAffichage mode, const Categories& cochees);

// Sorts the lines of the list; the " fois" of the first line moves to the new first line.
QStringList trie(QStringList lignes, TriConfusions tri);

// The grid and the list as CSV (";" and decimal commas, for a French spreadsheet): one row per product with
// its counts, mean times, the value shown and its colour, then the confusions.
QStringList lignes_csv(const Calcul& calcul);
// The grid as text: one row per second factor, one column per first factor.
QStringList lignes_grille(const Calcul& calcul);
