#include "seance/demarrage.h"

#include "seance/session.h"

bool demarre_session(Session& session)
{
    session.initialise_session();
    if (session.reglages().mode_ecole)
        session.initialise_ecole();
    return !session.nouvelle_annee_scolaire();
}
