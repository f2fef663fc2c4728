#pragma once

#include <QString>

// The teacher access window's check, without the window: the prompt or the "Code erroné" state.
class AccesProfesseur
{
public:
    enum class Etat
    {
        invite,
        erreur
    };
    enum class Suite
    {
        ouvre_console,
        montre_erreur,
        redemande
    };

    // `code_prof_requis` is the program-wide flag that "Autoriser accès jusqu'à la fermeture" clears.
    AccesProfesseur(const QString& code_stocke, bool& code_prof_requis)
        : m_code(code_stocke)
        , m_code_prof_requis(code_prof_requis)
    {
    }

    // Each showing starts on the prompt.
    void FormShow() { m_etat = Etat::invite; }
    // "OK" or Enter: checks the typed code on the prompt, goes back to the prompt from the error.
    Suite clique_Button_code(const QString& saisie, bool jusqua_fermeture);
    Etat etat() const { return m_etat; }

    // What the field keeps of a typed text: at most 4 characters, letters in lower case.
    static QString saisie_filtree(const QString& texte);

private:
    const QString& m_code;
    bool& m_code_prof_requis;
    Etat m_etat = Etat::invite;
};
