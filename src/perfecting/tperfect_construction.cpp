#include "perfecting/tperfect.h"

#include "ui/champ_reponse.h"
#include "ui/compteur_score.h"
#include "ui/controles.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int gauche_question = 130;
constexpr int haut_question = 52;
constexpr int haut_correction = 134;
constexpr int hauteur_champ = 46;
constexpr int ecart = 4;

QFont police(int pixels, bool gras = true)
{
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QFont& f)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setFont(f);
    l->setAccessibleName(texte);
    return l;
}

void couleur_texte(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

} // namespace

void Tperfect::construit()
{
    setObjectName(QStringLiteral("Tperfect"));
    m_plateau = plateau();

    m_compteur = new CompteurScore(m_plateau);
    m_compteur->setObjectName(QStringLiteral("Image1"));
    m_compteur->move(20, 10);

    m_panel_question = new QFrame(m_plateau);
    m_panel_question->setObjectName(QStringLiteral("Panel1"));
    m_panel_question->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel_question->setLineWidth(2);
    m_panel_question->setGeometry(gauche_question - 14, 30, 800 - gauche_question, 160);
    QPalette fond = m_panel_question->palette();
    fond.setColor(QPalette::Window, QColor(255, 255, 225));
    m_panel_question->setPalette(fond);
    m_panel_question->setAutoFillBackground(true);

    construit_champs();
    construit_commandes();
    branche_minuteries();
}

void Tperfect::construit_champs()
{
    m_label_quest1 = etiquette(m_plateau, QStringLiteral("label_quest1"), QString(), police(36));
    couleur_texte(m_label_quest1, QColor(0, 0, 128));
    m_label_quest1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_correction_produit = etiquette(m_plateau, QStringLiteral("label_correction"), QString(), police(30));
    m_correction_produit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    couleur_texte(m_correction_produit, QColor(0, 0, 255));
    for (int i = 0; i < MoteurPerfectionnement::nombre_champs; ++i) {
        auto* c = new ChampReponse(m_plateau);
        c->setObjectName(QStringLiteral("MaskEdit") + QString::number(i + 1));
        c->setFont(police(26));
        c->setFixedHeight(hauteur_champ);
        const int paire = i / 2 + 1;
        c->setAccessibleName(QStringLiteral("%1 facteur de la paire %2")
                                 .arg(i % 2 == 0 ? QStringLiteral("Premier") : QStringLiteral("Second"))
                                 .arg(paire));
        connect(c, &QLineEdit::textChanged, this, [this, i] { filtre_entree(i + 1); });
        m_champs[i] = c;
        m_correction[i] = etiquette(
            m_plateau, QStringLiteral("label_rep") + QString::number(i + 1), QString(), police(30));
        m_correction[i]->setAlignment(Qt::AlignCenter);
    }
    for (int i = 0; i < MoteurPerfectionnement::nombre_champs - 1; ++i) {
        const QString signe = i % 2 == 0 ? QStringLiteral("×") : QStringLiteral("=");
        const QString nom = (i % 2 == 0 ? QStringLiteral("label_fois") : QStringLiteral("label_egal"))
            + QString::number(i / 2 + 1);
        m_separateurs[i] = etiquette(m_plateau, nom, signe, police(30));
        m_separateurs[i]->setAlignment(Qt::AlignCenter);
        m_correction_separateurs[i]
            = etiquette(m_plateau, QStringLiteral("correction_") + nom, signe, police(26));
        m_correction_separateurs[i]->setAlignment(Qt::AlignCenter);
    }
}

void Tperfect::construit_commandes()
{
    m_label_fallait = etiquette(m_plateau, QStringLiteral("label_fallait"),
        QStringLiteral("il fallait répondre:"), police(16, false));
    m_label_fallait->move(gauche_question, haut_correction - 24);
    m_label_fallait->adjustSize();

    m_label_erreurs = etiquette(m_plateau, QStringLiteral("label_erreurs"), QString(), police(34));
    m_label_erreurs->setAlignment(Qt::AlignCenter);
    m_label_erreurs->setGeometry(gauche_question, 206, 800 - gauche_question - 14, 50);
    m_button_ok
        = bouton_activite(m_plateau, "Button_OK", QStringLiteral("OK"), QRect(420, 270, 110, 38), police(14));
    m_button_ok->setToolTip(QStringLiteral("Tu peux aussi te servir de la touche \"Entrée\""));
    m_retour = bouton_activite(
        m_plateau, "BitBtn1", QStringLiteral("   Retour menu "), QRect(290, 270, 170, 38), police(14));
    m_suivante = bouton_activite(
        m_plateau, "BitBtn2", QStringLiteral("Etape suivante"), QRect(480, 270, 170, 38), police(14));
    m_retour->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_suivante->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_label_temps1 = etiquette(
        m_plateau, QStringLiteral("label_temps1"), QStringLiteral("Temps de réponse:"), police(16));
    m_label_temps1->move(gauche_question, 336);
    m_label_temps1->adjustSize();
    m_label_temps2 = etiquette(m_plateau, QStringLiteral("label_temps2"), QString(), police(16));
    m_label_temps2->setGeometry(m_label_temps1->geometry().right() + 10, 336, 150, m_label_temps1->height());
    couleur_texte(m_label_temps2, QColor(200, 0, 0));

    m_cadre = new QFrame(m_plateau);
    m_cadre->setObjectName(QStringLiteral("ShapeEx1"));
    m_cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_cadre->setLineWidth(2);
    couleur_texte(m_cadre, QColor(220, 0, 0));
    m_cadre->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(m_button_ok, &QPushButton::clicked, this, &Tperfect::Button_OKClick);
    connect(m_retour, &QPushButton::clicked, this, &Tperfect::BitBtn1Click);
    connect(m_suivante, &QPushButton::clicked, this, &Tperfect::BitBtn2_suiteClick);
}

void Tperfect::branche_minuteries()
{
    const struct
    {
        QTimer* timer;
        const char* nom;
        bool unique;
        void (Tperfect::*slot)();
    } timers[] = {
        {&m_timer_affichage, "Timer_affichage", true, &Tperfect::Timer_affichageTimer},
        {&m_timer_chrono, "Timer_chrono", true, &Tperfect::Timer_chronoTimer},
        {&m_timer_affichage_simple, "Timer_affichage_simple", true, &Tperfect::Timer_affichage_simpleTimer},
        {&m_timer1, "Timer1", false, &Tperfect::Timer1Timer},
    };
    for (const auto& t : timers) {
        t.timer->setParent(this);
        t.timer->setObjectName(QString::fromLatin1(t.nom));
        t.timer->setSingleShot(t.unique);
        connect(t.timer, &QTimer::timeout, this, t.slot);
    }
    m_timer1.setInterval(75);
    // A coarse timer may fire 5 % early: the level-3 limit is the pupil's time to the millisecond.
    m_timer_chrono.setTimerType(Qt::PreciseTimer);
}

void Tperfect::cree_labels()
{
    detruit_labels();
    const QStringList& questions = m_moteur.questions();
    QFont f = police(14);
    f.setFamilies(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")});
    const int haut = m_compteur->geometry().bottom() + 1 + 25;
    m_labels.append(nullptr);
    for (int n = 1; n <= questions.size(); ++n) {
        const QString valeur = QString::number(questions[n - 1].left(4).toInt());
        QLabel* l = etiquette(m_plateau, QStringLiteral("label") + QString::number(n), valeur, f);
        couleur_texte(l, QColor(0, 0, 255));
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setGeometry(gauche_question + 15 + 60 * ((n - 1) / 8), haut + 15 * ((n - 1) % 8), 40, 18);
        l->show();
        m_labels.append(l);
    }
    const int colonnes = (int(questions.size()) + 7) / 8;
    m_plateau->resize(qMax(800, gauche_question + 15 + 60 * colonnes + 20),
        qMax(600, haut + 15 * qMin(8, int(questions.size())) + 10));
    m_cadre->raise();
}

void Tperfect::detruit_labels()
{
    for (QLabel* l : m_labels)
        delete l;
    m_labels.clear();
}

void Tperfect::place_ligne()
{
    // Product label, then each visible field with the separators between them, left to right.
    m_label_quest1->adjustSize();
    const int largeur_produit = qMax(90, m_label_quest1->width());
    m_label_quest1->setGeometry(gauche_question, haut_question, largeur_produit, hauteur_champ);
    m_correction_produit->setGeometry(gauche_question, haut_correction, largeur_produit, hauteur_champ);
    int x = gauche_question + largeur_produit + ecart;
    for (int i = 0; i < MoteurPerfectionnement::nombre_champs; ++i) {
        ChampReponse* c = m_champs[i];
        if (!c->isVisibleTo(m_plateau))
            break;
        if (i > 0) {
            m_separateurs[i - 1]->setGeometry(x, haut_question, 26, hauteur_champ);
            m_correction_separateurs[i - 1]->setGeometry(x, haut_correction, 26, hauteur_champ);
            x += 26 + ecart;
        }
        c->move(x, haut_question);
        m_correction[i]->setGeometry(x, haut_correction, c->width(), hauteur_champ);
        x += c->width() + ecart;
    }
    // Three pairs of two-digit factors may not fit: the question panel and the board grow with them.
    m_panel_question->resize(
        qMax(800 - gauche_question, x - m_panel_question->x() + 14), m_panel_question->height());
    if (m_panel_question->geometry().right() + 10 > m_plateau->width()) {
        m_plateau->resize(m_panel_question->geometry().right() + 10, m_plateau->height());
        place_plateau();
    }
}
