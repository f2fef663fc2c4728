#pragma once

#include "core/etat.h"

#include <QString>
#include <QStringList>
#include <functional>

struct ResultatNettoyage
{
    bool envoye_a_la_corbeille = false; // show titre_information_corbeille() / texte_information_corbeille()
    QStringList erreurs; // French, one per file kept on this machine
};

inline QString titre_information_corbeille()
{
    return QStringLiteral("Pour information:");
}
inline QString texte_information_corbeille()
{
    return QStringLiteral("des fichiers inutiles\nont été envoyés à la corbeille");
}

// Brings the histories and class shortcuts written on this machine while the server could not be reached
// (the single-machine folder of the establishment) into the server's dossier_etablissement, then sends the
// local copies to the trash (`corbeille`; by default the system trash, or removal where there is none).
// A local file is sent away only once its lines are safely on the server. Nothing happens when the two
// folders are one (the program runs without the server). Cheap when there is nothing to bring back.
ResultatNettoyage nettoie_doublons_monoposte_serveur(
    const Reglages& reglages, const std::function<bool(const QString&)>& corbeille = {});
