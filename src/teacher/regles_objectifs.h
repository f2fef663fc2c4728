#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// The "Objectifs à atteindre" grid without its widgets: one row per level, one box per table, the classic
// family (tables 2 to 9) and the extended one (squares, 12 to 19) on the same columns.

enum class Famille
{
    classiques,
    etendues
};

struct LigneObjectifs
{
    QString niveau;
    std::array<bool, 20> coches {}; // index: table number, 2 to 9 and 11 to 19
};

class GrilleObjectifs
{
public:
    // The table numbers of a family, in column order.
    static QVector<int> tables(Famille famille);
    static Famille famille_de(int table) { return table <= 9 ? Famille::classiques : Famille::etendues; }
    // A box's table number from its name ("CheckBox_obj_3_7" → 7, "CheckBox_obj_3_12" → 12).
    static int table_du_nom(const QString& nom_case);

    // One row per level, every box in its starting state: 2 to 9 and the squares ticked, 12 to 19 not.
    void redimensionne(const QStringList& niveaux);
    // Both stored values, read by position: a level without an entry at its position keeps its starting
    // states. Returns whether every level of the classic value carries the same tables ("oui" is shown).
    bool charge(const QString& valeur_classiques, const QString& valeur_etendues);
    // A click on a box: with `memes` ("oui"), every row's box of that column takes the new state.
    void coche(int ligne, int table, bool etat, bool memes);
    // "niveau<table_2,table_5>…" for the family; a row with nothing ticked gives "niveau<>".
    QString valeur(Famille famille) const;

    const QVector<LigneObjectifs>& lignes() const { return m_lignes; }

private:
    void charge_famille(const QString& valeur, Famille famille);

    QVector<LigneObjectifs> m_lignes;
};
