#pragma once

#include "perfecting/moteur_perfectionnement.h"
#include "seance/fenetre_activite.h"

#include <QTimer>
#include <QVector>

class ChampReponse;
class CompteurScore;
class Horloge;
class QFrame;
class QLabel;
class QPushButton;
class Session;

// The perfecting window: shows a product value, the pupil types its factor pairs, the score meter rises to
// 100. It draws the engine's state and owns the timers; the séance line goes to the Session when it closes.
class Tperfect : public FenetreActivite
{
    Q_OBJECT
public:
    Tperfect(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent = nullptr);
    ~Tperfect() override;

    // Shows the window maximised and modal, and starts the level on the studied products.
    void demarre(NiveauPerfectionnement niveau);

    const MoteurPerfectionnement& moteur() const { return m_moteur; }

public Q_SLOTS:
    void filtre_entree(int champ);
    void Button_OKClick();
    void BitBtn2_suiteClick();
    void BitBtn1Click();
    void Timer_affichageTimer();
    void Timer_chronoTimer();
    void Timer_affichage_simpleTimer();
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void construit();
    // The question, the answer fields and their correction.
    void construit_champs();
    // The buttons, the error count, the response time and the frame around the field in play.
    void construit_commandes();
    void branche_minuteries();
    void initialisation(NiveauPerfectionnement niveau);
    void cree_labels();
    void detruit_labels();
    void synchronise();
    void synchronise_question();
    void synchronise_correction();
    void place_ligne();

    MoteurPerfectionnement m_moteur;
    quint64 m_armements_vus[3] = {};
    quint64 m_focus_vu = 0;
    bool m_ligne_ecrite = true;

    QWidget* m_plateau;
    CompteurScore* m_compteur;
    QFrame* m_panel_question;
    QLabel* m_label_quest1;
    ChampReponse* m_champs[MoteurPerfectionnement::nombre_champs];
    QLabel* m_separateurs[MoteurPerfectionnement::nombre_champs - 1]; // "×" = "×" = "×"
    QLabel* m_label_fallait;
    QLabel* m_correction_produit;
    QLabel* m_correction[MoteurPerfectionnement::nombre_champs];
    QLabel* m_correction_separateurs[MoteurPerfectionnement::nombre_champs - 1];
    QLabel* m_label_erreurs;
    QPushButton* m_button_ok;
    QLabel* m_label_temps1;
    QLabel* m_label_temps2;
    QPushButton* m_retour;
    QPushButton* m_suivante;
    QFrame* m_cadre; // ShapeEx1, around the label of the entry asked
    QVector<QLabel*> m_labels; // index 0 unused

    QTimer m_timer_affichage;
    QTimer m_timer_chrono;
    QTimer m_timer_affichage_simple;
    QTimer m_timer1;
};
