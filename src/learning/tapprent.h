#pragma once

#include "learning/moteur_apprentissage.h"
#include "seance/fenetre_activite.h"

#include <QTimer>
#include <QVector>

class ChampReponse;
class EtiquetteEtape;
class Horloge;
class QFrame;
class QLabel;
class QPushButton;
class Session;

// The learning window: drills the products to memorise along the block plan. It draws the engine's state
// and owns Timer1; the closing line goes to the Session's séance.
class Tapprent : public FenetreActivite
{
    Q_OBJECT
public:
    Tapprent(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent = nullptr);
    ~Tapprent() override;

    // Shows the window maximised and modal, and starts a learning of the products to memorise (FormShow).
    void ouvre();

    const MoteurApprentissage& moteur() const { return m_moteur; }

public Q_SLOTS:
    void FormActivate();
    void BitBtn3Click();
    void MaskEdit1Change(const QString& texte);
    void Button_je_passeClick();
    void Button_effacerClick();
    void ButtonOKClick();
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();

Q_SIGNALS:
    // "Etape suivante": the window has closed, perfecting at "facile" comes next.
    void etape_suivante();

protected:
    void hideEvent(QHideEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    // One row of the step panel and the pictures beside it.
    struct LigneEtape
    {
        int item = 0;
        EtiquetteEtape* question = nullptr;
        EtiquetteEtape* egal = nullptr;
        EtiquetteEtape* reponse = nullptr;
        QLabel* feu = nullptr;
        QLabel* batons = nullptr;
        QLabel* icone = nullptr;
        qint64 serie_vue = -1;
        int niveau_vu = -1;
        int icone_vue = -1;
    };

    void construit();
    void construit_panneaux();
    void construit_etape();
    void efface_etape();
    void synchronise();
    void synchronise_items();
    void synchronise_invite();
    void synchronise_question();
    void place_images(int droite_panneau);
    void FormClose();

    MoteurApprentissage m_moteur;
    bool m_ouverte = false;
    bool m_accueil_a_montrer = false;
    quint64 m_etapes_vues = 0;
    quint64 m_vidages_vus = 0;
    quint64 m_avertissements_vus = 0;
    quint64 m_armements_vus = 0;

    QFrame* m_panel_etape;
    QVector<LigneEtape> m_lignes;
    int m_largeur_question = 0;
    int m_largeur_egal = 0;
    int m_largeur_reponse = 0;
    QVector<QLabel*> m_panneaux;
    QVector<int> m_niveaux_panneaux; // -1: grey, outside the step
    QLabel* m_label_message;
    QLabel* m_label_pret;
    QPushButton* m_bitbtn3;
    QLabel* m_label_quest1;
    ChampReponse* m_champ;
    QPushButton* m_je_passe;
    QPushButton* m_effacer;
    QLabel* m_label_rep1;
    QLabel* m_label_rep2;
    QPushButton* m_button_ok;
    QLabel* m_label_commentaire;
    QLabel* m_label_fin_a;
    QLabel* m_label_fin_b;
    QPushButton* m_bitbtn1;
    QPushButton* m_bitbtn2;
    QTimer m_timer1;
};
