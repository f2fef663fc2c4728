#pragma once

#include "ui/boites.h"

#include <QList>

// Answers every message box with a fixed button and remembers what was shown. Restores the screen on exit.
class RepondeurBoites
{
public:
    explicit RepondeurBoites(QMessageBox::StandardButton reponse = QMessageBox::Ok)
        : m_reponse(reponse)
    {
        boites::installe_repondeur([this](boites::Boite& b) {
            vues.append(b);
            if (b.saisie)
                b.valeur = valeur_saisie;
            if (!reponses.isEmpty())
                return reponses.takeFirst();
            return m_reponse;
        });
    }
    ~RepondeurBoites() { boites::installe_repondeur({}); }

    QList<boites::Boite> vues;
    QList<QMessageBox::StandardButton> reponses; // answered in order, then the fixed one
    QString valeur_saisie;

private:
    QMessageBox::StandardButton m_reponse;
};
