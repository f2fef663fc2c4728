#pragma once

#include <QString>
#include <QVector>

// A factor pair as typed or expected: factors as texts without leading zeros.
struct Paire
{
    QString a;
    QString b;
    bool operator==(const Paire&) const = default;
};

struct EvaluationPerfectionnement
{
    QVector<Paire> alignees; // expected pairs, moved and turned to face what was typed
    QVector<bool> rouges; // per field (2 per pair): differs from the aligned expected factor
    int erreurs = 0; // wrong fields whose pair does not give the product
    bool paire_inattendue = false; // a wrong pair that gives the product but is not among the expected
    bool juste() const { return erreurs == 0 && !paire_inattendue; }
};

// Lines the expected pairs up with the typed ones (any slot, either order), then compares them field by
// field.
EvaluationPerfectionnement evalue_la_reponse(
    QVector<Paire> attendues, const QVector<Paire>& tapees, int produit);
