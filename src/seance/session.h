#pragma once

#include "core/etat.h"
#include "core/horloge.h"
#include "core/messagerie.h"
#include "seance/tableau_de_bord.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"

#include <QString>
#include <QStringList>
#include <functional>

class Plateforme;
struct ResultatEnregistrement;

namespace titres {
inline const QString maison
    = QStringLiteral("Tabrix version 0.96.04 :    apprentissage des tables à la maison");
inline const QString ecole
    = QStringLiteral("Tabrix version 0.96.04 :    apprentissage des tables à l'école - ");
inline const QString monoposte = QStringLiteral("    (MODE MONOPOSTE)");
inline const QString premier_demarrage = QStringLiteral("PREMIER DEMARRAGE.TXT");
inline const QString attention = QStringLiteral("Attention!");
inline const QString serveur_non_renseigne = QStringLiteral("Serveur non renseigné");
inline const QString invite_serveur = QStringLiteral("Entrer le chemin du serveur: ");
inline const QString serveur_propose = QStringLiteral("/mnt/serveur");
} // namespace titres

// The main window's logic without the window: start-up, school set-up, the pupil's séance and its recording.
// Tgeneral owns one Session and draws its state.
class Session
{
public:
    // Records the keyboard locks as they are at launch, to put them back later.
    Session(const QString& dossier_travail, const Horloge& horloge, Messagerie& messagerie,
        Plateforme& plateforme);

    // --- Start-up ---
    void initialise_session(); // configuration, mode and folders; at launch and at each change of pupil
    void initialise_ecole(); // school mode, once at launch
    bool horloge_suspecte() const;
    bool nouvelle_annee_scolaire() const; // the school-year set-up is pending (teacher console page)
    QString titre_fenetre() const; // per mode, "(MODE MONOPOSTE)" when the server is unreachable
    bool mode_monoposte() const { return m_monoposte; }

    // A later school folder than today's school year means the clock is wrong.
    bool Verifie_annee_horloge();
    // No levels for this school year: prepares the set-up and opens it (see ouverture_rentree).
    void reglages_rentree_scolaire();
    // What the new-school-year page starts from (establishment, classes of the last configured year).
    const ConfigurationRentree& configuration_rentree_proposee() const { return m_rentree; }
    // Opens the teacher console on its new-school-year page; without it the user is told it comes later.
    void definit_ouverture_rentree(std::function<void(const ConfigurationRentree&)> ouverture)
    {
        m_ouverture_rentree = std::move(ouverture);
    }

    // Num Lock and Caps Lock back to their launch states, toggling only those that differ.
    void restaure_verrous_clavier();
    bool verrouillage_numerique_au_lancement() const { return m_num_au_lancement; }
    bool verrouillage_majuscules_au_lancement() const { return m_maj_au_lancement; }

    // The perfecting menu entries are open unless learning is required first.
    bool perfectionnement_ouvert() const { return !m_reglages.apprentissage_obligatoire; }
    // The Tabrix.ini read at the last initialisation.
    const FichierIni& configuration() const { return m_ini; }

    // --- Pupil ---
    void initialise_session_eleve(const IdentiteEleve& identite);
    void prepare_donnees_eleve();
    QString objectifs_en_mots() const; // Label_tables
    // First factors of the objectives, one per run ("02", "07", "11"…).
    QStringList numeros_tables() const;
    // Appends one finished activity to seance_en_cours and writes the history through at once.
    void ajoute_activite(const QString& ligne);
    bool EnregistrementSeance(); // false when the history could not be written anywhere
    void changement_eleve(); // record, release, initialise_session again

    TableauDeBord& tableau() { return m_tableau; }
    const TableauDeBord& tableau() const { return m_tableau; }
    const Reglages& reglages() const { return m_reglages; }
    Reglages& reglages() { return m_reglages; }
    const EtatEleve& eleve() const { return m_eleve; }
    EtatEleve& eleve() { return m_eleve; }
    const QStringList& liste_records() const { return m_records; }
    QStringList& liste_records() { return m_records; }
    // Reads the records list again, after the teacher console has rewritten it.
    void recharge_records();
    const Horloge& horloge() const { return m_horloge; }
    Messagerie& messagerie() { return m_messagerie; }
    Plateforme& plateforme() { return m_plateforme; }

private:
    void marque_premier_demarrage();
    void lit_configuration();
    void demande_chemin_serveur();
    bool copie_configuration_serveur();
    void etablit_mode_et_dossiers();
    void passe_en_monoposte();
    void ramene_travail_monoposte();
    void applique_objectifs(const QStringList& produits, const QString& objectifs);
    void choisit_apprentissage();
    void signale(const ResultatEnregistrement& resultat);
    QString chemin_configuration() const;

    QString m_dossier_travail;
    const Horloge& m_horloge;
    Messagerie& m_messagerie;
    Plateforme& m_plateforme;
    Reglages m_reglages;
    EtatEleve m_eleve;
    TableauDeBord m_tableau {m_eleve, m_reglages};
    FichierIni m_ini;
    QStringList m_records;
    QString m_titre;
    ConfigurationRentree m_rentree;
    std::function<void(const ConfigurationRentree&)> m_ouverture_rentree;
    bool m_num_au_lancement = false;
    bool m_maj_au_lancement = false;
    bool m_serveur_verifie = false;
    bool m_serveur_joignable = false;
    bool m_monoposte = false;
    bool m_remarques_montrees = false;
    bool m_repli_annonce = false;
    bool m_raccourci_annonce = false;
    QString m_erreur_annoncee;
    bool m_horloge_suspecte = false;
    bool m_nouvelle_annee = false;
};
