#pragma once

#include "core/faits.h"
#include "core/hasard.h"
#include "core/minuterie.h"
#include "learning/plan_apprentissage.h"

#include <QString>
#include <QStringList>
#include <QVector>

enum class NiveauItem
{
    rouge,
    orange,
    vert
};

enum class IconeItem
{
    aucune,
    ok,
    croix
};

// One answer, kept in memory only.
struct ReponseItem
{
    qint64 instant_dixiemes = 0; // when the question was shown, since the opening
    QString code;
    int dixiemes = 0; // response time, 0 … 999
    int reponse = 0; // typed value, 0 when nothing was typed
};

struct ItemApprentissage
{
    QString code;
    qint64 frequence = 100;
    bool marque_passage = true; // false once answered wrongly in the current ordered pass
    qint64 serie = 0;
    QVector<ReponseItem> reponses;
    QVector<int> points;
    IconeItem icone = IconeItem::aucune;
    bool reponse_noire = false; // its answer is shown on black after a pass with this item wrong
};

// What waits for the "OUI" / "OK" button: a step's start prompt or the pause after an ordered pass.
struct Invite
{
    QString message; // "Tout juste", "1 erreur"…, or the greeting of a new pupil
    QString invite; // "PRÊT?", "Maintenant, dans le désordre.", "On recommence"
    QString bouton; // "OUI" or "OK"
    bool pause = false;
};

struct ParametresApprentissage
{
    int temps_acceptable_s = 4;
    QString ordre = QStringLiteral("par tables");
    int taille_bloc = 3;
    QString formule = QStringLiteral("1.1.2.1.3");
    bool nouvel_eleve = false;
};

// The learning drill without its window: the plan, the questions of each step, the adaptive draw and the
// closing line. The window tells it what happened, then draws its state and (re)arms Timer1 as it says.
class MoteurApprentissage
{
public:
    enum class Phase
    {
        inactif,
        invite, // a prompt waits for its button
        question, // the pupil may answer
        correction, // a wrong answer and its correction, until "OK"
        retour, // the feedback delay after a right answer
        fin // "Bravo!"
    };

    static constexpr int delai_initial_ms = 250;
    // Frequencies of a step are halved together past this, so that their sum never overflows.
    static constexpr qint64 plafond_frequence = 1'000'000;

    explicit MoteurApprentissage(Hasard& hasard);

    // --- Events ---
    // Opening: orders the products, builds the plan and shows the first step's prompt.
    void ouvre(const QStringList& produits, const ParametresApprentissage& parametres, qint64 maintenant_ms,
        const QString& heure_debut);
    void reprend(qint64 maintenant_ms); // "OUI" / "OK" of the prompt
    void saisie_change(const QString& texte, qint64 maintenant_ms);
    void je_ne_sais_pas(const QString& texte, qint64 maintenant_ms);
    void correction_vue(qint64 maintenant_ms); // "OK" under a correction
    void delai_ecoule(qint64 maintenant_ms); // Timer1
    // The séance line of this opening, empty for fewer than two answers. Ends the opening.
    QString termine(const QString& heure_fin);

    // --- State ---
    Phase phase() const { return m_phase; }
    const PlanApprentissage& plan() const { return m_plan; }
    const QStringList& produits() const { return m_produits; }
    int nombre_items() const { return int(m_items.size()); }
    const ItemApprentissage& item(int i) const { return m_items[i]; }
    NiveauItem niveau(int i) const;
    bool dans_etape(int i) const { return i >= m_plan.premier_item() && i <= m_plan.dernier_item(); }
    bool module_assimile() const;
    int item_courant() const { return m_item_courant; }
    bool passage_ordonne() const { return m_passage_ordonne; }
    bool ensemble_etendu() const { return m_ensemble_etendu; }
    bool question_inversee() const { return m_question_inversee; }
    bool avertissement_donne() const { return m_avertissement_donne; }
    int nombre_reponses() const;

    // What the window shows.
    quint64 etapes_initialisees() const { return m_etapes; } // grows at each new step
    const Invite& invite() const { return m_invite; }
    bool reponses_visibles() const { return m_reponses_visibles; } // "=" and answers of the step rows
    QString libelle_question() const; // "8×6 = "
    int chiffres_reponse() const { return m_chiffres; }
    quint64 vidages_champ() const { return m_vidages; }
    const QString& texte_correction() const { return m_correction; }
    bool erreur_visible() const { return m_erreur_visible; }
    const QString& commentaire() const { return m_commentaire; }
    bool commentaire_visible() const { return m_commentaire_visible; }
    quint64 avertissements() const { return m_avertissements; } // grows when "PLUS VITE !!!" is due
    const Minuterie& timer1() const { return m_timer1; }

    // --- Helpers ---
    static NiveauItem niveau_de_serie(qint64 serie);
    static int points_reponse(int dixiemes, bool juste);

private:
    void initialise_etape();
    void montre_invite_etape();
    void pose_la_question(qint64 maintenant_ms);
    void traite_la_reponse(const QString& texte, qint64 maintenant_ms);
    void actualise_compteurs(bool juste, qint64 t);
    void ajuste_frequences(bool juste, qint64 t);
    void borne_frequences();
    void choisit_la_question(qint64 maintenant_ms);
    void fin_du_passage();
    void decide_suite_apres_bonne_reponse(qint64 maintenant_ms);
    int tire_au_sort(int exclu = -1);
    int tire_autre_item();

    Hasard& m_hasard;
    ParametresApprentissage m_parametres;
    QStringList m_produits;
    QVector<ItemApprentissage> m_items;
    PlanApprentissage m_plan;
    Phase m_phase = Phase::inactif;
    int m_item_courant = 0;
    bool m_passage_ordonne = true;
    bool m_derniere_juste = false;
    bool m_question_inversee = false;
    bool m_ensemble_etendu = false;
    bool m_avertissement_donne = false;
    qint64 m_debut_ms = 0;
    QString m_heure_debut;
    qint64 m_heure_question = 0;
    qint64 m_temps_reponse = 0;

    quint64 m_etapes = 0;
    Invite m_invite;
    bool m_reponses_visibles = false;
    int m_chiffres = 1;
    quint64 m_vidages = 0;
    QString m_correction;
    bool m_erreur_visible = false;
    QString m_commentaire;
    bool m_commentaire_visible = false;
    quint64 m_avertissements = 0;
    Minuterie m_timer1;
};
