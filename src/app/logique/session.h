#pragma once

#include "core/etat.h"
#include "core/horloge.h"
#include "core/messagerie.h"

#include <QString>
#include <QStringList>

class Plateforme;

// The main window's logic without the window: start-up, school set-up, the pupil's séance and its recording.
// Tgeneral owns one Session and draws its state.
class Session
{
public:
    Session(const QString& dossier_travail, const Horloge& horloge, Messagerie& messagerie, Plateforme& plateforme);

    // --- Start-up ---
    void initialise_session();   // configuration, mode and folders; at launch and at each change of pupil
    void initialise_ecole();     // school mode, once at launch
    bool horloge_suspecte() const;
    bool nouvelle_annee_scolaire() const; // the school-year set-up is pending (teacher console page)
    QString titre_fenetre() const;        // per mode, "(MODE MONOPOSTE)" when the server is unreachable

    // --- Pupil ---
    void initialise_session_eleve(const IdentiteEleve& identite);
    void prepare_donnees_eleve();
    QString objectifs_en_mots() const;    // Label_tables
    // Appends one finished activity to seance_en_cours and writes the history through at once.
    void ajoute_activite(const QString& ligne);
    bool EnregistrementSeance();          // false when the history could not be written anywhere
    void changement_eleve();              // record, release, initialise_session again

    const Reglages& reglages() const { return m_reglages; }
    Reglages& reglages() { return m_reglages; }
    const EtatEleve& eleve() const { return m_eleve; }
    EtatEleve& eleve() { return m_eleve; }
    const QStringList& liste_records() const { return m_records; }
    QStringList& liste_records() { return m_records; }
    const Horloge& horloge() const { return m_horloge; }
    Messagerie& messagerie() { return m_messagerie; }
    Plateforme& plateforme() { return m_plateforme; }

private:
    QString m_dossier_travail;
    const Horloge& m_horloge;
    Messagerie& m_messagerie;
    Plateforme& m_plateforme;
    Reglages m_reglages;
    EtatEleve m_eleve;
    QStringList m_records;
    bool m_serveur_verifie = false;
    bool m_horloge_suspecte = false;
    bool m_nouvelle_annee = false;
};
