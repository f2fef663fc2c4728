#pragma once

#include "core/amenagement.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// Inputs of a pupil report: who, which test, and the few settings that change its texts.
struct DonneesBilan
{
    QString nom;
    QString prenom;
    QString classe; // empty at home or without class: no class or establishment line
    QString enregistrements; // the test line from character 30
    QString titre_date; // "Mardi 03/12/2024"
    QString etablissement;
    int temps_acceptable = 4; // seconds, for the product score
    Amenagement amenagement = Amenagement::aucun;
};

// How one product of the grid was answered.
enum class GenreCase
{
    rapide,
    lente,
    fausse,
    absente
};

struct CaseBilan
{
    int a = 0; // first factor: the column
    int b = 0; // second factor: the row
    GenreCase genre = GenreCase::rapide;
    QString reponse; // "63", "?" when absent
    QString temps; // "4,2s", "(ne sait pas)" when absent
};

// Everything the report says, computed once for the printed page and the PDF page.
struct ContenuBilan
{
    QString ligne_nom; // "DUPONT Marie"
    QString etablissement; // empty without class
    QString ligne_classe; // "Classe de CM1a", empty without class
    QString ligne_date; // "Test du Mardi 03/12/2024:"
    QString ligne_amenagement; // "temps aménagé : +1/3", empty without extra time
    QVector<CaseBilan> cases;
    std::array<int, 8> pourcentages {}; // tables 2 to 9, -1 when untested

    QStringList mal_sues; // "07=6": key then table, weakest first
    QStringList bien_sues; // "92=3", "aa=9" for 100
    QString texte_mal_sues; // "6, 7, et 8." or "" (then "(aucune)")
    QString texte_bien_sues;
    int tables_evaluees = 0;

    int nb_rapides = 0;
    int nb_lentes = 0;
    int nb_fausses = 0; // wrong or absent

    int score = 0; // score_test
    int pourcentage = 0; // over the 64 classic products, untested ones counting 0
    int vitesse = 0; // correct answers per minute
    QString niveau; // "très faible" … "parfait"
    QString table_conseil; // the weakest table, empty when none is known badly
    QString prenom;

    bool toutes_tables() const { return tables_evaluees == 8; }
};

ContenuBilan calcule_contenu_bilan(const DonneesBilan& donnees);

// The three sentences of the summary, singular for a count of 1.
QString phrase_rapides(int n);
QString phrase_lentes(int n);
QString phrase_fausses(int n);
// Whether every product of the records belongs to the classic tables, the only ones the grid shows.
bool test_classique(const QString& enregistrements);
