#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The learning plan: the products put in order, cut into blocks, and the sequence of steps that brings the
// blocks in one by one and reviews them together. Pure functions and a small walker over the plan.

// The 173 codes of the "par tables" order: classic tables, squares, then the extended tables.
const QStringList& ordre_par_tables();

// Reorders in place: "valeur produit", "par tables" (codes outside its order are dropped); any other order
// keeps the list as it is.
void rangement_items(const QString& ordre, QStringList& produits);

// The index of the last item of each block of n items cut by `taille_bloc` (2 to 4); empty otherwise.
QVector<int> decoupage_en_blocs(int n, int taille_bloc);

// The steps for `nombre_blocs` blocks: 1 brings in the next block, w ≥ 2 reviews the last w blocks.
// Empty when the formula is not a list of positive integers with a base of at least 2.
QVector<int> genere_plan_apprentissage_recursif(const QString& formule, int nombre_blocs);

// Every block brought in once, no review wider than the blocks brought in, and a final review of all.
bool plan_valide(const QVector<int>& plan, int nombre_blocs);

// Walks a plan step by step and tells which items each step drills.
class PlanApprentissage
{
public:
    // Cuts n items and builds the plan; an unusable block size or formula falls back to 3 and
    // "1.1.2.1.3", so that a plan always exists for n ≥ 1. Then settles the first step.
    void prepare(int n, int taille_bloc, const QString& formule);

    // Settles premier_item and dernier_item for the current step.
    void initialise_etape();
    // Moves to the next step; false when the plan is finished (the range then stays on the last step).
    bool etape_suivante();

    bool nouveau_bloc() const { return largeur_etape() == 1; }
    int largeur_etape() const { return m_plan.value(m_etape_courante, 0); }
    int etape_courante() const { return m_etape_courante; }
    int dernier_bloc() const { return m_dernier_bloc; }
    int premier_item() const { return m_premier_item; }
    int dernier_item() const { return m_dernier_item; }
    int nombre_items_etape() const { return m_dernier_item - m_premier_item + 1; }
    const QVector<int>& fins_de_blocs() const { return m_fins_de_blocs; }
    const QVector<int>& plan() const { return m_plan; }
    // The block size and formula actually used, after any fallback.
    int taille_bloc() const { return m_taille_bloc; }
    const QString& formule() const { return m_formule; }

private:
    QVector<int> m_fins_de_blocs;
    QVector<int> m_plan;
    int m_taille_bloc = 3;
    QString m_formule;
    int m_etape_courante = 0;
    int m_dernier_bloc = -1;
    int m_premier_item = 0;
    int m_dernier_item = -1;
};
