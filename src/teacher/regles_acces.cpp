#include "teacher/regles_acces.h"

AccesProfesseur::Suite AccesProfesseur::clique_Button_code(const QString& saisie, bool jusqua_fermeture)
{
    if (m_etat == Etat::erreur) {
        m_etat = Etat::invite;
        return Suite::redemande;
    }
    // Compared as stored: a code holding capitals can never be typed, since the field lowers every letter.
    if (saisie == m_code) {
        if (jusqua_fermeture)
            m_code_prof_requis = false;
        return Suite::ouvre_console;
    }
    m_etat = Etat::erreur;
    return Suite::montre_erreur;
}

QString AccesProfesseur::saisie_filtree(const QString& texte)
{
    return texte.left(4).toLower();
}
