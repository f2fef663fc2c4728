#pragma once

#include "core/hasard.h"
#include "core/minuterie.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One cell of the progress grid.
struct PanneauProduit
{
    QString texte; // "6×9=" then the answer once corrected
    bool gris = false; // answered (silver, white text); otherwise blue with yellow text
};

// The timed test without its window: questions, timing, answer records and the séance line.
// The window tells it what happened and then draws its state and (re)arms the timers it names.
class MoteurTest
{
public:
    enum class Phase
    {
        inactif,
        question, // question shown, the pupil may answer
        pause, // question blanked
        boite_trop_long, // the time-out box is on screen
        boite_deuxieme_chance, // the second-chance box is on screen
        fini
    };

    static constexpr int intervalle_compteur_ms = 980;
    static constexpr int delai_correction_ms = 300;
    static constexpr int blocage_je_passe_question_ms = 900;
    static constexpr int blocage_je_passe_clic_ms = 1500;
    static constexpr int duree_label_temps_ms = 500;

    explicit MoteurTest(Hasard& hasard);

    // --- Events ---
    // Starts (or restarts) a test of these products; poses its first question at `maintenant_ms`.
    void initialisation_test(
        const QStringList& produits, int temps_maximum_s, const QString& heure_debut, qint64 maintenant_ms);
    void pose_la_question(qint64 maintenant_ms);
    void saisie_change(const QString& texte, qint64 maintenant_ms);
    void corrige_reponse(qint64 maintenant_ms); // the correction delay has run out
    void je_ne_sais_pas(qint64 maintenant_ms);
    void temps_depasse();
    void seconde_ecoulee();
    void label_temps_expire();
    void je_passe_debloque();
    void pause();
    void continuer(qint64 maintenant_ms);
    void efface(qint64 maintenant_ms);
    // The time-out box asks to close: true when it must stay and become the second-chance box.
    bool trop_long_devient_deuxieme_chance();
    void boite_trop_long_fermee(qint64 maintenant_ms);
    void boite_deuxieme_chance_fermee(qint64 maintenant_ms);
    // Ends the test once Phase::fini is reached; returns the séance line.
    QString termine(const QString& heure_fin);

    // --- State ---
    Phase phase() const { return m_phase; }
    int nombre_produits() const { return int(m_produits.size()); }
    int nb_questions() const { return m_nb_questions; }
    int num_question() const { return m_num_question; }
    int nombre_erreurs() const { return m_nb_questions - nombre_produits(); }
    const QVector<int>& file_questions() const { return m_file; } // index 0 unused
    const QString& resultats_test() const { return m_resultats; }
    const QString& heure_debut() const { return m_heure_debut; }
    int temps_maximum_s() const { return m_temps_maximum; }
    const QStringList& produits() const { return m_produits; }

    // The question being asked.
    int question_courante() const; // question number p, 0 when none
    QString code_courant() const;
    QString libelle_question() const; // " 6×9? ", or five spaces while paused
    int chiffres_reponse() const { return m_chiffres; }
    int compteur() const { return m_compteur; }
    qint64 temps_reponse_ms() const { return m_temps_reponse; }
    const QString& reponse() const { return m_reponse; }

    // What the window shows.
    bool je_passe_actif() const { return m_je_passe_actif; }
    bool recommencer_visible() const { return m_recommencer_visible; }
    const QString& label_temps() const { return m_label_temps; }
    bool label_temps_visible() const { return m_label_temps_visible; }
    const PanneauProduit& panneau(int numero) const { return m_panneaux[numero]; }
    // Grows each time the answer field must be emptied.
    quint64 vidages_champ() const { return m_vidages; }
    QString texte_deuxieme_chance() const;

    const Minuterie& chrono() const { return m_chrono; }
    const Minuterie& compteur_timer() const { return m_compteur_timer; }
    const Minuterie& affiche() const { return m_affiche; }
    const Minuterie& timer_je_passe() const { return m_timer_je_passe; }
    const Minuterie& timer_label_temps() const { return m_timer_label_temps; }

    // --- Helpers ---
    static int borne_temps_maximum(int secondes); // 1 to 99, so that a time-out fits three digits
    static QString texte_erreurs(int erreurs);

private:
    void avant_question(qint64 maintenant_ms);
    void ajoute_enregistrement(int dixiemes_, int reponse);
    void arrete_chronos();
    void reprend_la_limite(qint64 maintenant_ms); // an answer no longer complete runs again against the limit
    int facteur(int rang) const;

    Hasard& m_hasard;
    QStringList m_produits;
    int m_temps_maximum = 20;
    QString m_heure_debut;
    QString m_resultats;
    QVector<int> m_file;
    int m_nb_questions = 0;
    int m_num_question = 0;
    Phase m_phase = Phase::inactif;

    qint64 m_instant_pose = 0;
    qint64 m_temps_reponse = 0;
    int m_chiffres = 1;
    int m_caracteres = 0;
    int m_compteur = 0;
    QString m_reponse;
    bool m_correction_en_cours = false;

    bool m_je_passe_actif = true;
    bool m_recommencer_visible = false;
    QString m_label_temps;
    bool m_label_temps_visible = false;
    QVector<PanneauProduit> m_panneaux; // index 0 unused
    quint64 m_vidages = 0;

    Minuterie m_chrono;
    Minuterie m_compteur_timer;
    Minuterie m_affiche;
    Minuterie m_timer_je_passe;
    Minuterie m_timer_label_temps;
};
