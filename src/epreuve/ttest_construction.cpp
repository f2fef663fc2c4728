#include "epreuve/ttest.h"

#include "epreuve/panneau_resultat.h"
#include "seance/session.h"
#include "ui/afficheur_led.h"
#include "ui/boite_message.h"
#include "ui/champ_reponse.h"
#include "ui/controles.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

void colore(QWidget* w, const QColor& fond, const QColor& texte)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    p.setColor(QPalette::WindowText, texte);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

void Ttest::construit()
{
    setObjectName(QStringLiteral("Ttest"));
    m_plateau = plateau();

    m_panel1 = new QFrame(m_plateau);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel1->setLineWidth(3);
    m_panel1->setGeometry(220, 30, 360, 110);
    colore(m_panel1, QColor(255, 255, 225), Qt::black);
    m_label_quest = new QLabel(m_panel1);
    m_label_quest->setObjectName(QStringLiteral("Label_quest"));
    m_label_quest->setGeometry(m_panel1->rect().adjusted(4, 4, -4, -4));
    m_label_quest->setAlignment(Qt::AlignCenter);
    m_label_quest->setFont(police_activite(44));
    QPalette pq = m_label_quest->palette();
    pq.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_label_quest->setPalette(pq);

    m_champ = new ChampReponse(m_plateau);
    m_champ->setObjectName(QStringLiteral("MaskEdit1"));
    m_champ->setAccessibleName(QStringLiteral("Ta réponse"));
    m_champ->setFont(police_activite(24));
    m_champ->setFixedHeight(46);
    QPalette pc = m_champ->palette();
    pc.setColor(QPalette::Base, QColor(211, 211, 211));
    m_champ->setPalette(pc);
    m_champ->move(370, 158);

    const QString astuce = QStringLiteral("Tu peux aussi te servir de la touche ");
    m_je_passe = bouton_activite(
        m_plateau, "Button_je_passe", QStringLiteral("je ne sais pas"), QRect(264, 220, 130, 32));
    m_je_passe->setToolTip(astuce + QStringLiteral("\"Entrée\""));
    // Reached with Tab, but a click leaves the focus in the answer.
    m_je_passe->setFocusPolicy(Qt::TabFocus);
    m_effacer
        = bouton_activite(m_plateau, "Button_effacer", QStringLiteral("effacer"), QRect(406, 220, 130, 32));
    // Enter skips the question: clearing has its own key, so that the hint never makes a pupil lose one.
    m_effacer->setToolTip(astuce + QStringLiteral("\"Echap\""));
    m_effacer->setFocusPolicy(Qt::TabFocus);

    construit_commandes();
    branche_minuteries();

    connect(m_champ, &QLineEdit::textChanged, this, &Ttest::MaskEdit1Change);
    connect(m_je_passe, &QPushButton::clicked, this, &Ttest::Button_je_passeClick);
    connect(m_effacer, &QPushButton::clicked, this, &Ttest::Button_effacerClick);
    connect(m_pause, &QPushButton::clicked, this, &Ttest::BitBtn_pauseClick);
    connect(m_recommencer, &QPushButton::clicked, this, &Ttest::Button_recommencerClick);
    connect(m_retour, &QPushButton::clicked, this, &Ttest::BitBtn1Click);
    connect(m_suivante, &QPushButton::clicked, this, &Ttest::Button_fin_du_testClick);
    connect(m_imprimer, &QPushButton::clicked, this, &Ttest::BitBtn3Click);
}

void Ttest::construit_commandes()
{
    m_panel_compteur = new QFrame(m_plateau);
    m_panel_compteur->setObjectName(QStringLiteral("Panel_compteur"));
    m_panel_compteur->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colore(m_panel_compteur, Qt::black, Qt::white);
    m_panel_compteur->resize(84, 56);
    m_compteur = new AfficheurLed(m_panel_compteur);
    m_compteur->setObjectName(QStringLiteral("compteur"));
    m_compteur->setGeometry(6, 6, 72, 44);
    m_label_temps = new QLabel(m_plateau);
    m_label_temps->setObjectName(QStringLiteral("Label_temps"));
    m_label_temps->setFont(police_activite(14));
    QPalette pt = m_label_temps->palette();
    pt.setColor(QPalette::WindowText, Qt::red);
    m_label_temps->setPalette(pt);

    m_pause = bouton_activite(m_plateau, "BitBtn_pause", QStringLiteral("Pause"), QRect(30, 272, 90, 32));
    m_pause->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    m_pause->setFocusPolicy(Qt::TabFocus);
    m_recommencer = bouton_activite(
        m_plateau, "BitBtn_recommencer", QStringLiteral("Recommencer tout"), QRect(30, 320, 170, 32));
    m_recommencer->setFocusPolicy(Qt::TabFocus);

    m_resultat = new PanneauResultat(m_plateau);
    m_resultat->hide();
    m_retour = bouton_activite(m_plateau, "BitBtn1", QStringLiteral("   Retour menu "), QRect(0, 0, 150, 34));
    m_suivante
        = bouton_activite(m_plateau, "BitBtn2", QStringLiteral("Etape suivante"), QRect(0, 0, 150, 34));
    m_imprimer
        = bouton_activite(m_plateau, "BitBtn3", QStringLiteral("Imprimer le test"), QRect(0, 0, 150, 34));
    m_retour->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_suivante->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));

    m_boite = new Tboite_message(this);
    m_boite->definit_garde([this](Tboite_message&) { return garde_boite(); });
    connect(m_boite, &Tboite_message::fermee, this, &Ttest::boite_fermee);
}

void Ttest::branche_minuteries()
{
    const struct
    {
        QTimer* timer;
        const char* nom;
        bool unique;
        void (Ttest::*slot)();
    } timers[] = {
        {&m_chrono, "chrono", true, &Ttest::chronoTimer},
        {&m_compteur_timer, "compteur_timer", false, &Ttest::compteur_timerTimer},
        {&m_affiche, "affiche", true, &Ttest::afficheTimer},
        {&m_timer_je_passe, "TimerJePasse", true, &Ttest::TimerJePasseTimer},
        {&m_timer_label_temps, "Timer_label_temps", true, &Ttest::Timer_label_tempsTimer},
        {&m_inhibe_impression, "inhibe_impression", true, &Ttest::inhibe_impressionTimer},
    };
    for (const auto& t : timers) {
        t.timer->setParent(this);
        t.timer->setObjectName(QString::fromLatin1(t.nom));
        t.timer->setSingleShot(t.unique);
        connect(t.timer, &QTimer::timeout, this, t.slot);
    }
    m_inhibe_impression.setInterval(3000);
    // Coarse timers may fire 5 % early and round long intervals to whole seconds: the pupil's time is exact.
    m_chrono.setTimerType(Qt::PreciseTimer);
    m_affiche.setTimerType(Qt::PreciseTimer);
}

void Ttest::construit_panneaux()
{
    qDeleteAll(m_panneaux.begin() + (m_panneaux.isEmpty() ? 0 : 1), m_panneaux.end());
    m_panneaux.clear();
    m_panneaux_vus.clear();
    const QStringList& produits = m_moteur.produits();
    // Three-digit products (extended tables) need wider cells than the 40 pixels of the classic ones.
    bool larges = false;
    for (const QString& code : produits)
        larges = larges || code.left(2).toInt() * code.mid(2, 2).toInt() >= 100;
    const int largeur = larges ? 58 : 40;
    m_panneaux.append(nullptr);
    m_panneaux_vus.append(PanneauProduit {});
    for (int i = 1; i <= produits.size(); ++i) {
        auto* p = new QLabel(m_plateau);
        p->setObjectName(QStringLiteral("panel") + QString::number(i));
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setLineWidth(2);
        p->setAlignment(Qt::AlignCenter);
        QFont f = police_activite(8);
        f.setPixelSize(10);
        p->setFont(f);
        p->setGeometry(264 + (largeur + 2) * ((i - 1) / 8), 272 + 18 * ((i - 1) % 8), largeur, 16);
        p->show();
        m_panneaux.append(p);
        m_panneaux_vus.append(PanneauProduit {QStringLiteral("\x01"), false});
    }
    const int colonnes = (int(produits.size()) + 7) / 8;
    m_plateau->resize(qMax(800, 264 + (largeur + 2) * colonnes + 20), m_plateau->height());
}
