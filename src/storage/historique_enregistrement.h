#pragma once

#include "core/etat.h"

#include <QDateTime>
#include <QString>

struct ResultatEnregistrement
{
    bool ok = true;
    QString erreur; // French, for a message box, when the work could be written nowhere
    bool repli_monoposte = false; // the server could not be written: the séance went to this machine
    QString message; // one sentence telling the pupil so
    QString avertissement; // the séance is recorded, but not its class shortcut: one sentence for the pupil

    explicit operator bool() const { return ok; }
};

// Adds the séance block to historique (or updates it when it was already added: recording again never
// duplicates a line), rewrites the history file and creates the class shortcut. In school mode, a server
// that cannot be written sends the history and the shortcut to the single-machine folder, which the next
// start merges back (nettoie_doublons_monoposte_serveur). The per-pupil configuration is written elsewhere.
ResultatEnregistrement EnregistrementSeance(
    EtatEleve& eleve, const Reglages& reglages, const QDateTime& maintenant, const QString& nom_poste);

// A finished activity joins seance_en_cours and reaches the disk at once, so a crash loses at most the
// activity in progress.
ResultatEnregistrement ajoute_activite(EtatEleve& eleve, const Reglages& reglages,
    const QDateTime& maintenant, const QString& nom_poste, const QString& ligne);
