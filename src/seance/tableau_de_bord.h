#pragma once

#include "core/etat.h"

#include <QString>
#include <array>

// Which table buttons of the dashboard are pressed.
struct BoutonsTables
{
    std::array<bool, 20> enfonces {}; // index = table number: 2…9, 11 (squares)…19
    bool classiques = true; // SpeedButton_2_9 pressed, otherwise SpeedButton_12_19

    bool enfonce(int numero) const { return numero >= 0 && numero < 20 && enfonces[numero]; }
};

// The dashboard's product selection without the window: table buttons, studied products, learning choice.
class TableauDeBord
{
public:
    TableauDeBord(EtatEleve& eleve, const Reglages& reglages);

    const BoutonsTables& boutons() const { return m_boutons; }

    // Presses the buttons of the tables named in the objectives, releases the others.
    void actualise_boutons_tables(const QString& objectifs);
    // A table button clicked: then the studied products follow the buttons.
    void bascule_table(int numero, bool enfonce);
    // SpeedButton_2_9Click (true) / SpeedButton_12_19Click (false).
    void choisit_groupe(bool classiques);
    // "Etape suivante" after a test: the weakest table alone is studied, in its own group.
    void etudie_seulement(int numero);

    void change_produits_etudies();
    void change_produits_a_memoriser();

    // Learning choice: SpeedButton_trousClick, SpeedButton_tablesClick, SpeedButton1Click,
    // SpeedButton10Click.
    void etudier_trous();
    void etudier_tables_entieres();
    void plus();
    void moins();

    static QString texte_label2(int nombre);
    static QString bulle_label2(int nombre);

    static bool est_table_classique(int numero) { return numero >= 2 && numero <= 9; }
    static bool est_table_etendue(int numero) { return numero >= 11 && numero <= 19; }

private:
    // Total size of the first `nombre` tables of classement_tables.
    int taille_premieres_tables(int nombre) const;

    EtatEleve& m_eleve;
    const Reglages& m_reglages;
    BoutonsTables m_boutons;
};
