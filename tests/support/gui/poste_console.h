#pragma once

#include "seance/session.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/tprofesseur.h"

#include <QCoreApplication>
#include <memory>

// A teacher's machine on Saturday 07/12/2024 at 10:15: its working folder (to fill first), the session and
// the console, messages recorded and boxes answered.
struct PosteConsole
{
    DossierTest dossier;
    HorlogeManuelle horloge {QDateTime(QDate(2024, 12, 7), QTime(10, 15, 0))};
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    RepondeurBoites boites;
    std::unique_ptr<Session> session;
    std::unique_ptr<TProfesseur> console;

    void demarre_session()
    {
        session = std::make_unique<Session>(dossier.chemin(), horloge, messagerie, plateforme);
        session->initialise_session();
    }
    // The follow-up list is built once the console is on screen.
    void ouvre_console()
    {
        console = std::make_unique<TProfesseur>(*session);
        console->show();
        QCoreApplication::processEvents();
    }
};
