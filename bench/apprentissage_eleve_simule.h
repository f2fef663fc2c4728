#pragma once

#include "core/faits.h"
#include "learning/moteur_apprentissage.h"

#include <random>

// A simulated pupil for the learning engine: wrong with a fixed probability, right answers typed after a
// fixed time, the digits 120 ms apart. Its own generator, so that the engine's draw stays the same.
class EleveSimule
{
public:
    EleveSimule(double taux_erreur, int temps_ms, unsigned graine)
        : m_taux_erreur(taux_erreur)
        , m_temps_ms(temps_ms)
        , m_hasard(graine)
    {
    }

    // One event of the drill: resumes a prompt, or answers and lets the delay or the correction go by.
    // Returns whether an answer was given.
    bool agit(MoteurApprentissage& m, qint64& ms)
    {
        using Phase = MoteurApprentissage::Phase;
        if (m.phase() == Phase::invite) {
            m.reprend(ms += 800);
            return false;
        }
        const QString valeur = valeur_produit(m.item(m.item_courant()).code);
        const bool faux = std::bernoulli_distribution(m_taux_erreur)(m_hasard);
        const QString texte = faux ? QString::number(valeur.toInt() + 1).right(valeur.size()) : valeur;
        ms += m_temps_ms;
        for (int i = 1; i <= texte.size(); ++i)
            m.saisie_change(texte.left(i), ms += i == 1 ? 0 : 120);
        if (m.phase() == Phase::retour)
            m.delai_ecoule(ms += m.timer1().intervalle_ms);
        else if (m.phase() == Phase::correction)
            m.correction_vue(ms += 1500);
        return true;
    }

private:
    double m_taux_erreur;
    int m_temps_ms;
    std::mt19937 m_hasard;
};
