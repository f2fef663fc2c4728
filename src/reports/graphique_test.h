#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QVector>

// The result charts of one test line ("\tTEST de hh:mm:ss à hh:mm:ss " + records): one cell per product,
// white when right and fast, yellow when right but slow, red when wrong or absent.

enum class ClasseReponse
{
    ok,
    lente,
    fausse
};

struct CaseGraphique
{
    int a = 0;
    int b = 0;
    ClasseReponse classe = ClasseReponse::fausse;
    QString reponse; // without leading zeros; empty when absent
    QString temps; // "4.2s", "7s"
};

// What both drawings show, read once from the line.
struct DonneesGraphique
{
    bool classique = true;
    QVector<CaseGraphique> cases; // last answer to each product, by code
    int comptes[3] = {0, 0, 0}; // ok, slow, wrong or absent
    int pourcentage = -1; // overall; -1 when not shown
    int vitesse = 0;
    QMap<int, int> pourcentages_tables; // table number (11 = squares) → percentage, -1 when untested
};

DonneesGraphique donnees_graphique(const QString& ligne_test, int T);

// The large framed chart of the result panel, classic (503 × 310) or extended (553 × 529); maroon
// (128, 0, 0) around the frame is the picture's transparent colour.
QImage graphique_test(const QString& ligne_test, int T);
// The 8 × 8 chart of a classic test (310 × 255); the tables absent from the objectives are greyed.
QImage graphique_test_compact(const QString& ligne_test, const QString& objectifs, int T);

// The colour drawn as transparent around the large chart.
inline QColor couleur_transparente_graphique()
{
    return QColor(128, 0, 0);
}
