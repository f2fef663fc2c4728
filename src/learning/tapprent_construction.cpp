#include "core/faits.h"
#include "learning/disposition_apprentissage.h"
#include "learning/etiquette_etape.h"
#include "learning/tapprent.h"
#include "ui/champ_reponse.h"
#include "ui/controles.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* etiquette(
    QWidget* parent, const char* nom, int points, const QColor& couleur, const QString& texte = {})
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setFont(police_activite(points));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    return l;
}

QLabel* image(QWidget* parent, const QString& nom)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

void Tapprent::construit()
{
    setObjectName(QStringLiteral("Tapprent"));
    setWindowModality(Qt::ApplicationModal);
    m_panel_etape = new QFrame(plateau());
    m_panel_etape->setObjectName(QStringLiteral("Panel_A6000"));
    m_panel_etape->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel_etape->setLineWidth(2);
    QPalette pe = m_panel_etape->palette();
    pe.setColor(QPalette::Window, QColor(192, 192, 192));
    m_panel_etape->setPalette(pe);
    m_panel_etape->setAutoFillBackground(true);

    const QColor bleu_marine(0, 0, 128);
    m_label_message = etiquette(plateau(), "label_message", 12, bleu_marine);
    m_label_pret = etiquette(plateau(), "label_pret", 20, bleu_marine);
    m_bitbtn3 = bouton_activite(plateau(), "BitBtn3", QStringLiteral("OUI"), QRect(0, 0, 80, 32));
    m_bitbtn3->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));

    m_label_quest1 = etiquette(plateau(), "label_quest1", 28, bleu_marine);
    m_label_quest1->move(300, 130);
    m_champ = new ChampReponse(plateau());
    m_champ->setObjectName(QStringLiteral("MaskEdit1"));
    m_champ->setFont(police_activite(24));
    m_champ->setFixedHeight(46);
    QPalette pc = m_champ->palette();
    pc.setColor(QPalette::Base, QColor(211, 211, 211));
    m_champ->setPalette(pc);
    const QString astuce = QStringLiteral("Tu peux aussi te servir de la touche ");
    m_je_passe = bouton_activite(
        plateau(), "Button_je_passe", QStringLiteral("je ne sais pas"), QRect(0, 0, 130, 30));
    m_je_passe->setToolTip(astuce + QStringLiteral("\"Entrée\""));
    m_effacer = bouton_activite(plateau(), "Button_effacer", QStringLiteral("effacer"), QRect(0, 0, 130, 30));
    m_effacer->setToolTip(astuce + QStringLiteral("\"Echap\""));
    m_effacer->setFocusPolicy(Qt::TabFocus); // a click leaves the focus in the answer

    m_label_rep1 = etiquette(plateau(), "label_rep1", 16, QColor(220, 0, 0), QStringLiteral("Erreur!"));
    m_label_rep1->adjustSize();
    m_label_rep1->move(300, 200);
    m_label_rep2 = etiquette(plateau(), "label_rep2", 22, bleu_marine);
    m_label_rep2->move(300, 236);
    m_button_ok = bouton_activite(plateau(), "ButtonOK", QStringLiteral("OK"), QRect(0, 0, 70, 32));
    m_label_commentaire = etiquette(plateau(), "label_commentaire", 18, QColor(0, 120, 0));
    m_label_commentaire->move(300, 200);

    m_label_fin_a = etiquette(plateau(), "label_fin_niv1_a", 40, QColor(0, 130, 0), QStringLiteral("Bravo!"));
    m_label_fin_a->adjustSize();
    m_label_fin_a->move(300, 100);
    m_label_fin_b = etiquette(
        plateau(), "label_fin_niv1_b", 16, bleu_marine, QStringLiteral("Première étape terminée."));
    m_label_fin_b->adjustSize();
    m_label_fin_b->move(300, 180);
    m_bitbtn1
        = bouton_activite(plateau(), "BitBtn1", QStringLiteral("   Retour menu "), QRect(300, 240, 150, 34));
    m_bitbtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_bitbtn2
        = bouton_activite(plateau(), "BitBtn2", QStringLiteral("Etape suivante"), QRect(470, 240, 150, 34));
    m_bitbtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));

    for (QLabel* l : {m_label_rep1, m_label_fin_a, m_label_fin_b})
        l->setAccessibleName(l->text());
    m_champ->setAccessibleName(QStringLiteral("Ta réponse"));

    m_timer1.setParent(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setSingleShot(true);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &Tapprent::Timer1Timer);
    connect(m_champ, &QLineEdit::textChanged, this, &Tapprent::MaskEdit1Change);
    connect(m_bitbtn3, &QPushButton::clicked, this, &Tapprent::BitBtn3Click);
    connect(m_je_passe, &QPushButton::clicked, this, &Tapprent::Button_je_passeClick);
    connect(m_effacer, &QPushButton::clicked, this, &Tapprent::Button_effacerClick);
    connect(m_button_ok, &QPushButton::clicked, this, &Tapprent::ButtonOKClick);
    connect(m_bitbtn1, &QPushButton::clicked, this, &Tapprent::BitBtn1Click);
    connect(m_bitbtn2, &QPushButton::clicked, this, &Tapprent::BitBtn2Click);
}

void Tapprent::construit_panneaux()
{
    qDeleteAll(m_panneaux);
    m_panneaux.clear();
    m_niveaux_panneaux.clear();
    QFont f = police_activite(8);
    const QFontMetrics mesure(f);
    int largeur = 0;
    for (const QString& code : m_moteur.produits())
        largeur = qMax(largeur, mesure.horizontalAdvance(libelle_produit(code)));
    largeur += 6;
    const QVector<QPoint> coins = ListeCoordsPanels(m_moteur.plan().fins_de_blocs(), largeur);
    int droite = 800;
    for (int i = 0; i < coins.size(); ++i) {
        auto* p = new QLabel(libelle_produit(m_moteur.produits().at(i)), plateau());
        p->setObjectName(QStringLiteral("panel") + QString::number(i));
        p->setFont(f);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setLineWidth(2);
        p->setAutoFillBackground(true);
        p->setGeometry(QRect(coins[i], QSize(largeur, 18)));
        p->show();
        m_panneaux.append(p);
        m_niveaux_panneaux.append(-2);
        droite = qMax(droite, coins[i].x() + largeur + 10);
    }
    // A long learning lays its overview out beyond the design width: the board grows to hold it.
    plateau()->resize(droite, 600);
}

void Tapprent::efface_etape()
{
    for (LigneEtape& l : m_lignes) {
        for (QWidget* w :
            std::initializer_list<QWidget*> {l.question, l.egal, l.reponse, l.feu, l.batons, l.icone})
            delete w;
    }
    m_lignes.clear();
}

void Tapprent::construit_etape()
{
    efface_etape();
    const PlanApprentissage& plan = m_moteur.plan();
    const int m = plan.nombre_items_etape();
    const GeometrieEtape g = geometrie_etape(m);
    const bool images = m < 18;
    m_largeur_question = m_largeur_egal = m_largeur_reponse = 0;
    for (int i = plan.premier_item(); i <= plan.dernier_item(); ++i) {
        LigneEtape l;
        l.item = i;
        const QString& code = m_moteur.item(i).code;
        l.question = new EtiquetteEtape(
            QLatin1Char(' ') + libelle_produit(code) + QLatin1Char(' '), g.h, g.taille_police, m_panel_etape);
        l.egal = new EtiquetteEtape(QStringLiteral("="), g.h, g.taille_police, m_panel_etape);
        l.reponse = new EtiquetteEtape(
            QLatin1Char(' ') + valeur_produit(code) + QLatin1Char(' '), g.h, g.taille_police, m_panel_etape);
        const QString suffixe = QString::number(i);
        l.question->setObjectName(QStringLiteral("question") + suffixe);
        l.egal->setObjectName(QStringLiteral("egal") + suffixe);
        l.reponse->setObjectName(QStringLiteral("reponse") + suffixe);
        m_largeur_question = qMax(m_largeur_question, l.question->width());
        m_largeur_egal = qMax(m_largeur_egal, l.egal->width());
        m_largeur_reponse = qMax(m_largeur_reponse, l.reponse->width());
        if (images) {
            l.feu = image(plateau(), QStringLiteral("feu_") + suffixe);
            l.batons = image(plateau(), QStringLiteral("batons_") + suffixe);
            l.icone = image(plateau(), QStringLiteral("icone_") + suffixe);
        }
        m_lignes.append(l);
    }
    m_panel_etape->setGeometry(24, g.haut_panneau, 100, g.hauteur_panneau);
    for (int r = 0; r < m_lignes.size(); ++r) {
        LigneEtape& l = m_lignes[r];
        const int y = r * (g.h + 1) + 4;
        l.question->setGeometry(4, y, m_largeur_question, g.h);
        l.egal->setGeometry(4 + m_largeur_question + 4, y, m_largeur_egal, g.h);
        l.egal->setAlignment(Qt::AlignCenter);
        l.reponse->setGeometry(4 + m_largeur_question + 6 + m_largeur_egal, y, m_largeur_reponse, g.h);
        for (EtiquetteEtape* e : {l.question, l.egal, l.reponse})
            e->show();
        if (l.feu) {
            const int haut = g.haut_panneau + y;
            l.feu->setGeometry(24 - 15, haut + 6, 11, 29);
            l.batons->setGeometry(0, haut + 7, 23, 23);
            l.icone->setGeometry(0, haut + 12, 16, 16);
            l.feu->show();
            l.batons->show();
        }
    }
}
