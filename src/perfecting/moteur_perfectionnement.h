#pragma once

#include "core/amenagement.h"
#include "core/hasard.h"
#include "core/minuterie.h"
#include "perfecting/evaluation_perfectionnement.h"
#include "perfecting/questions_perfectionnement.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The inverse-table drill without its window: questions, cycles, speeds, score, input rules and evaluation.
// The window forwards what happened, then draws the state and (re)arms the timers it names.
class MoteurPerfectionnement
{
public:
    enum class Phase
    {
        inactif,
        question, // the pupil types the pairs
        oui, // "OUI!" shown until the next question
        correction, // wrong answer corrected, waiting for "OK"
        trop_long, // time limit passed, "trop long !" until the next question
        fini // score 100 reached
    };

    // One of the six answer fields (pair j uses fields 2j − 1 and 2j).
    struct Champ
    {
        QString texte;
        bool visible = false;
        bool lecture_seule = false;
        bool rouge = false;
        int chiffres = 1; // digits of its expected factor
    };

    enum class Validation
    {
        ignoree,
        incomplete, // "Réponse incomplète!"
        evaluee,
        suivante // the correction was read: next question
    };

    static constexpr int nombre_champs = 6;
    static constexpr int focus_ok = nombre_champs + 1;
    static constexpr int delai_oui_ms = 400;
    static constexpr int delai_trop_long_ms = 1000;
    static constexpr int duree_message_ms = 400;
    static constexpr double vitesse_inconnue = 1000.0;

    explicit MoteurPerfectionnement(Hasard& hasard);

    // --- Events ---
    // Starts a level on these products (Ti, Tf: initial and final response times in seconds).
    void initialisation(const QStringList& produits_etudies, NiveauPerfectionnement niveau,
        int temps_initial_s, int temps_final_s, const QString& heure_debut, qint64 maintenant_ms);
    // The pupil's extra time, for the level-3 limit of the levels started from now on.
    void definit_amenagement(Amenagement amenagement) { m_amenagement = amenagement; }
    // Field 1 to 6 now holds this text.
    void filtre_entree(int champ, const QString& texte);
    Validation Button_OKClick(qint64 maintenant_ms);
    void Timer_affichageTimer(qint64 maintenant_ms); // next question
    void Timer_chronoTimer(); // time limit reached
    void Timer_affichage_simpleTimer(); // hides the message
    // "Etape suivante": the next level in the same window; false at the last level.
    bool niveau_suivant(const QString& heure_debut, qint64 maintenant_ms);
    // The séance line of the level in progress; empty unless more than one question was shown.
    QString ligne_seance(const QString& heure_fin) const;
    void arrete(); // window closed: every timer stops

    // --- State ---
    Phase phase() const { return m_phase; }
    NiveauPerfectionnement niveau() const { return m_niveau; }
    const QStringList& questions() const { return m_questions; }
    int points_par_paire() const { return m_points_par_paire; }
    const QVector<int>& ordre_questions() const { return m_ordre; } // index 0 unused
    int position() const { return m_position; }
    int entree_courante() const; // 1 … C, 0 when none
    const QVector<double>& vitesses() const { return m_vitesses; } // index 0 unused
    int score() const { return m_score; }
    int score_affiche() const { return m_score_affiche; } // what the meter shows
    int questions_posees() const { return m_questions_posees; }
    const QString& heure_debut() const { return m_heure_debut; }

    QString libelle_produit() const; // "144="
    int paires() const { return int(m_attendues.size()); }
    const QVector<Paire>& attendues() const { return m_attendues; }
    const Champ& champ(int numero) const { return m_champs[numero - 1]; } // 1 … 6
    int focus() const { return m_focus; } // field 1 … 6, or focus_ok
    quint64 demandes_focus() const { return m_demandes_focus; } // grows each time the focus must move
    const QString& message() const { return m_message; }
    bool message_visible() const { return m_message_visible; }
    bool fallait_visible() const { return m_fallait; }
    // The aligned expected pairs shown beside the fields after a wrong answer; empty otherwise.
    const QVector<Paire>& correction() const { return m_correction; }
    int limite_ms() const { return m_limite_ms; } // level 3: time allowed for the question
    bool boutons_fin_visibles() const
    {
        return m_phase == Phase::fini && m_niveau != NiveauPerfectionnement::pas_facile_du_tout;
    }

    const Minuterie& timer_affichage() const { return m_timer_affichage; }
    const Minuterie& timer_chrono() const { return m_timer_chrono; }
    const Minuterie& timer_affichage_simple() const { return m_timer_affichage_simple; }

    // --- Helpers ---
    // Level 3: 25 × k × (Ti × (100 − s) + Tf × s) ms.
    static int limite_de_temps_ms(int paires, int score, int temps_initial_s, int temps_final_s);
    // Score after a wrong answer: max(0, min(s × 75 div 100, s − 4)).
    static int score_apres_erreur(int score);
    static QString texte_message_erreurs(int erreurs); // "non!", "1 erreur !", "3 erreurs !"

private:
    void pose_la_question(qint64 maintenant_ms);
    void evalue();
    void fin_de_niveau();
    void affiche_score();
    void montre_message(const QString& texte);
    void demande_focus(int champ);
    void fige_champs();

    Hasard& m_hasard;
    NiveauPerfectionnement m_niveau = NiveauPerfectionnement::facile;
    QStringList m_produits;
    int m_temps_initial = 8;
    int m_temps_final = 4;
    Amenagement m_amenagement = Amenagement::aucun;
    QString m_heure_debut;
    Phase m_phase = Phase::inactif;

    QStringList m_questions;
    int m_points_par_paire = 1;
    QVector<int> m_ordre;
    QVector<double> m_vitesses;
    QVector<int> m_posees_par_entree; // rotates the pairs of an entry that has more than three
    int m_position = 0;
    int m_score = 0;
    int m_score_affiche = 0;
    int m_questions_posees = 0;

    QVector<Paire> m_attendues;
    Champ m_champs[nombre_champs];
    qint64 m_debut_question = 0;
    qint64 m_temps_reponse = 0;
    int m_limite_ms = 0;
    int m_focus = 1;
    quint64 m_demandes_focus = 0;
    QString m_message;
    bool m_message_visible = false;
    bool m_fallait = false;
    QVector<Paire> m_correction;
    int m_intervalle_affichage = delai_trop_long_ms;

    Minuterie m_timer_affichage;
    Minuterie m_timer_chrono;
    Minuterie m_timer_affichage_simple;
};
