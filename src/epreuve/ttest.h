#pragma once

#include "epreuve/moteur_test.h"
#include "seance/fenetre_activite.h"

#include <QPointer>
#include <QTimer>
#include <QVector>
#include <functional>

class AfficheurLed;
class ChampReponse;
class Horloge;
class PanneauResultat;
class QFrame;
class QLabel;
class QPushButton;
class Session;
class Tboite_message;

// The test window: asks the studied products against the clock, then shows the result panel. It draws the
// engine's state and owns the timers; the séance line, the pupil's state and the records go to the Session.
class Ttest : public FenetreActivite
{
    Q_OBJECT
public:
    Ttest(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent = nullptr);
    ~Ttest() override;

    // Shows the window maximised and starts a test of the studied products.
    void demarre();

    Tboite_message& boite_message() { return *m_boite; }
    const MoteurTest& moteur() const { return m_moteur; }
    const QString& ligne_seance() const { return m_ligne_seance; }
    bool selection_complete() const { return m_complet; }

    // "Imprimer le test" is offered once a printing function is given; it receives the séance line.
    void definit_impression(std::function<void(const QString& ligne)> impression);

public Q_SLOTS:
    void initialisation_test();
    void MaskEdit1Change(const QString& texte);
    void Button_je_passeClick();
    void Button_effacerClick();
    void chronoTimer();
    void compteur_timerTimer();
    void afficheTimer();
    void TimerJePasseTimer();
    void Timer_label_tempsTimer();
    void BitBtn_pauseClick();
    void Button_recommencerClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void inhibe_impressionTimer();
    void Button_fin_du_testClick();

Q_SIGNALS:
    // The window has hidden itself: the dashboard takes over again (etape_session_3).
    void cache();
    // "Etape suivante": learning on this table (2 to 19), or perfecting at "facile" when 0.
    void etape_suivante(int table);
    // The first test of the day changed the chart and the products to memorise.
    void tableau_de_bord_change();
    void records_modifies();

protected:
    void hideEvent(QHideEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void construit();
    // The counter, the time, pause and start over, the result panel and its buttons, the timed box.
    void construit_commandes();
    void branche_minuteries();
    void construit_panneaux();
    void synchronise();
    void synchronise_panneaux();
    void montre_boite_phase();
    void fin_du_test();
    void met_a_jour_records();
    bool garde_boite();
    void boite_fermee(const QString& titre, const QString& texte);
    bool impression_possible() const;

    MoteurTest m_moteur;
    bool m_complet = false;
    QString m_ligne_seance;
    std::function<void(const QString&)> m_impression;
    MoteurTest::Phase m_phase_vue = MoteurTest::Phase::inactif;
    quint64 m_vidages_vus = 0;
    quint64 m_armements_vus[5] = {};

    QWidget* m_plateau;
    QFrame* m_panel1;
    QLabel* m_label_quest;
    ChampReponse* m_champ;
    QPushButton* m_je_passe;
    QPushButton* m_effacer;
    QFrame* m_panel_compteur;
    AfficheurLed* m_compteur;
    QLabel* m_label_temps;
    QPushButton* m_pause;
    QPushButton* m_recommencer;
    PanneauResultat* m_resultat;
    QPushButton* m_retour;
    QPushButton* m_suivante;
    QPushButton* m_imprimer;
    QVector<QLabel*> m_panneaux; // index 0 unused
    QVector<PanneauProduit> m_panneaux_vus;
    Tboite_message* m_boite;

    QTimer m_chrono;
    QTimer m_compteur_timer;
    QTimer m_affiche;
    QTimer m_timer_je_passe;
    QTimer m_timer_label_temps;
    QTimer m_inhibe_impression;
};
