#include "app/graphique_jours.h"
#include "app/tgeneral.h"
#include "ui/accessibilite.h"
#include "ui/etiquette_degrade.h"
#include "ui/fond_motif.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// A small drawn picture: a rounded tile with a symbol, for the toolbar and the test button.
QIcon icone(const QString& symbole, const QColor& couleur)
{
    QPixmap image(64, 64);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(couleur.darker(160), 3));
    peintre.setBrush(couleur);
    peintre.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);
    QFont police(QStringLiteral("Arial"));
    police.setBold(true);
    police.setPixelSize(symbole.size() > 2 ? 20 : 34);
    peintre.setFont(police);
    peintre.setPen(Qt::white);
    peintre.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, symbole);
    return QIcon(image);
}

QToolButton* bouton_bascule(
    QWidget* parent, const QString& nom, const QString& texte, const QString& bulle, const QRect& rect)
{
    auto* bouton = new QToolButton(parent);
    bouton->setObjectName(nom);
    bouton->setText(texte);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle.isEmpty() ? texte : bulle);
    bouton->setCheckable(true);
    bouton->setGeometry(rect);
    bouton->setFocusPolicy(Qt::StrongFocus);
    return bouton;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& rect)
{
    auto* label = new QLabel(texte, parent);
    label->setObjectName(nom);
    label->setGeometry(rect);
    label->setAccessibleName(texte);
    return label;
}

} // namespace

void Tgeneral::construit_panneau()
{
    m_fond = new FondMotif(this);
    m_fond->setObjectName(QStringLiteral("fond"));
    setCentralWidget(m_fond);
    // The controls keep their pixel places in a fixed panel, centred in the maximised window.
    m_panneau = new QWidget(m_fond);
    m_panneau->setObjectName(QStringLiteral("panneau"));
    m_panneau->setFixedSize(largeur_client, hauteur_client);
    auto* centrage = new QGridLayout(m_fond);
    centrage->setContentsMargins(0, 0, 0, 0);
    centrage->addWidget(m_panneau, 0, 0, Qt::AlignCenter);

    m_label_nom = new EtiquetteDegrade(QString(), m_panneau);
    m_label_nom->setObjectName(QStringLiteral("label_nom"));
    m_label_nom->setGeometry(56, 6, 300, 32);

    m_label_classe = new EtiquetteDegrade(QString(), m_panneau);
    m_label_classe->setObjectName(QStringLiteral("label_classe"));
    m_label_classe->setGeometry(364, 6, 120, 32);

    m_label_test = new EtiquetteDegrade(QStringLiteral("Clique ici:"), m_panneau);
    m_label_test->setObjectName(QStringLiteral("label_test"));
    m_label_test->setGeometry(548, 10, 112, 26);

    m_button_test = new QPushButton(
        icone(QStringLiteral("×"), QColor(0, 140, 60)), QStringLiteral("  Test"), m_panneau);
    m_button_test->setObjectName(QStringLiteral("Button_Test"));
    m_button_test->setGeometry(668, 4, 116, 40);
    m_button_test->setIconSize(QSize(28, 28));
    QFont gras = m_button_test->font();
    gras.setBold(true);
    gras.setPointSize(12);
    m_button_test->setFont(gras);
    m_button_test->setAccessibleName(QStringLiteral("Test"));
    m_button_test->setToolTip(QStringLiteral("Faire un test"));
    connect(m_button_test, &QPushButton::clicked, this, &Tgeneral::button_testClick);

    construit_barre_outils();
    construit_graphique();
    construit_barre_du_bas();
    // Tab reads as the eye does: the toolbar down the left edge, then "Test" at the top right.
    const QList<QAction*> outils = m_barre_outils->actions();
    if (!outils.isEmpty())
        QWidget::setTabOrder(m_barre_outils->widgetForAction(outils.last()), m_button_test);
}

void Tgeneral::construit_barre_outils()
{
    m_barre_outils = new QToolBar(m_panneau);
    m_barre_outils->setObjectName(QStringLiteral("ToolBar1"));
    m_barre_outils->setOrientation(Qt::Vertical);
    m_barre_outils->setIconSize(QSize(32, 32));
    m_barre_outils->setGeometry(4, 6, 44, 462);
    m_barre_outils->setAccessibleName(QStringLiteral("Barre d'outils"));
    m_barre_outils->setStyleSheet(QStringLiteral("QToolBar { background: rgba(255, 255, 255, 150);"
                                                 " border: 1px solid #9ab; border-radius: 4px; }"
                                                 "QToolButton:focus { border: 2px solid #3060c0;"
                                                 " border-radius: 4px; }"));

    auto ajoute = [this](const QString& symbole, const QColor& couleur, const QString& bulle, auto action) {
        QAction* a = m_barre_outils->addAction(icone(symbole, couleur), bulle);
        a->setToolTip(bulle);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    ajoute(QStringLiteral("É"), QColor(40, 90, 200), QStringLiteral("Changer élève"),
        &Tgeneral::ButtonChangerEleveClick);
    // The pupil's history view has no action: shown greyed rather than as a button that does nothing.
    QAction* historique = m_barre_outils->addAction(
        icone(QStringLiteral("H"), QColor(120, 120, 140)), QStringLiteral("Historique élève"));
    historique->setToolTip(QStringLiteral("Historique élève"));
    historique->setEnabled(false);
    ajoute(QStringLiteral("T"), QColor(0, 140, 60), QStringLiteral("Test"), &Tgeneral::button_testClick);
    ajoute(QStringLiteral("A"), QColor(230, 120, 0), QStringLiteral("Entrainement"),
        &Tgeneral::apprentissage1Click);
    static const char* const niveaux[3] = {"facile", "pas facile", "pas facile du tout"};
    for (int i = 0; i < 3; ++i) {
        const QString niveau = QString::fromUtf8(niveaux[i]);
        QAction* a = m_barre_outils->addAction(icone(QString::number(i + 1), QColor(170, 40, 170)),
            QStringLiteral("Perfectionnement: niveau %1").arg(i + 1));
        a->setToolTip(a->text());
        connect(a, &QAction::triggered, this, [this, niveau] { perfectionnementClick(niveau); });
    }
    ajoute(
        QStringLiteral("R"), QColor(90, 90, 90), QStringLiteral("Réglages"), &Tgeneral::Configuration1Click);
    m_outil_enseignant = ajoute(
        QStringLiteral("P"), QColor(180, 30, 30), QStringLiteral("Enseignant"), &Tgeneral::Professeur1Click);
    for (QAction* a : m_barre_outils->actions()) {
        if (QWidget* bouton = m_barre_outils->widgetForAction(a)) {
            bouton->setAccessibleName(a->text());
            bouton->setFocusPolicy(Qt::TabFocus); // a toolbar's buttons are skipped by Tab otherwise
        }
    }
}

void Tgeneral::construit_graphique()
{
    QFont titre = font();
    titre.setBold(true);
    titre.setPointSize(12);
    m_label1 = etiquette(m_panneau, QStringLiteral("Label1"), QStringLiteral("Tests"), QRect(58, 46, 56, 24));
    m_label1->setFont(titre);
    m_label_tables = etiquette(m_panneau, QStringLiteral("Label_tables"), QString(), QRect(118, 48, 420, 22));
    QFont objectifs = font();
    objectifs.setPointSize(10);
    objectifs.setBold(true);
    m_label_tables->setFont(objectifs);
    QPalette bleu = m_label_tables->palette();
    bleu.setColor(QPalette::WindowText, QColor(0, 0, 160));
    m_label_tables->setPalette(bleu);

    m_scrollbox = new QScrollArea(m_panneau);
    m_scrollbox->setObjectName(QStringLiteral("Scrollbox1"));
    m_scrollbox->setGeometry(56, 74, 600, 350);
    m_scrollbox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollbox->setAccessibleName(QStringLiteral("Graphique des tests"));
    m_graphique = new GraphiqueJours;
    m_scrollbox->setWidget(m_graphique);
    m_scrollbox->setWidgetResizable(false);
    m_scrollbox->hide();
    connect(m_graphique, &GraphiqueJours::barre_pressee, this, &Tgeneral::barre_pressee);
    connect(m_graphique, &GraphiqueJours::barre_relachee, this, &Tgeneral::barre_relachee);

    m_image1 = new QLabel(m_panneau);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_image1->setAccessibleName(QStringLiteral("Résultat du test"));
    m_image1->hide();

    m_menu_graphique = new QMenu(this);
    m_menu_graphique->setObjectName(QStringLiteral("menu_graphique"));
    m_imprimer = m_menu_graphique->addAction(QStringLiteral("Imprimer"));
    m_imprimer->setObjectName(QStringLiteral("Imprimer1"));
    connect(m_imprimer, &QAction::triggered, this, &Tgeneral::Imprimer1Click);

    m_button_records = new QPushButton(QStringLiteral("Voir les records"), m_panneau);
    m_button_records->setObjectName(QStringLiteral("Button_records"));
    m_button_records->setGeometry(bord_droit_records - 121, 74, 121, 26);
    m_button_records->setAccessibleName(QStringLiteral("Voir les records"));
    m_button_records->hide();
    connect(m_button_records, &QPushButton::clicked, this, &Tgeneral::Button_recordsClick);

    m_memo1 = new QPlainTextEdit(m_panneau);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setReadOnly(true);
    m_memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setBold(true);
    m_memo1->setFont(courier);
    m_memo1->setGeometry(bord_droit_records - 300, 104, 300, 320);
    m_memo1->setAccessibleName(QStringLiteral("Records"));
    m_memo1->hide();
}

void Tgeneral::construit_barre_du_bas()
{
    auto* panel1 = new QFrame(m_panneau);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setGeometry(0, 472, largeur_client, 82);
    panel1->setAutoFillBackground(true);
    panel1->setAccessibleName(QStringLiteral("Choix des tables"));
    // A pressed table or choice must be seen at a glance.
    panel1->setStyleSheet(
        QStringLiteral("QToolButton { border: 1px solid #8a8f99; border-radius: 4px;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd,"
                       " stop:1 #dcdfe6); padding: 2px; }"
                       "QToolButton:hover { border-color: #3060c0; }"
                       "QToolButton:focus { border: 2px solid #3060c0; }"
                       "QToolButton:checked { background: #ffd23c; border: 2px solid #b07800;"
                       " color: #002080; }"));

    m_groupe_2_9 = bouton_bascule(panel1, QStringLiteral("SpeedButton_2_9"),
        QStringLiteral("Tables classiques"), QString(), QRect(6, 5, 132, 23));
    m_calc_mental = bouton_bascule(panel1, QStringLiteral("SpeedButton_calc_mental"),
        QStringLiteral("Tables raisonnées"), QString(), QRect(6, 29, 132, 23));
    m_groupe_12_19 = bouton_bascule(panel1, QStringLiteral("SpeedButton_12_19"),
        QStringLiteral("Tables étendues"), QString(), QRect(6, 53, 132, 23));
    rend_exclusifs({m_groupe_2_9, m_calc_mental, m_groupe_12_19});
    m_groupe_2_9->setChecked(true);
    sur_appui(m_groupe_2_9, &Tgeneral::SpeedButton_2_9Click);
    sur_appui(m_groupe_12_19, &Tgeneral::SpeedButton_12_19Click);
    // "Tables raisonnées" has no activity behind it: greyed, like the menu entries without one.
    m_calc_mental->setEnabled(false);

    construit_boutons_tables(panel1);
    construit_quantite(panel1);
}

void Tgeneral::sur_appui(QToolButton* bouton, void (Tgeneral::*action)())
{
    // The selection follows the buttons' state, however it changes (mouse, keyboard, screen reader).
    // A press on the pressed button counts too: it is released, then pressed again.
    connect(bouton, &QToolButton::toggled, this, [this, action](bool enfonce) {
        if (enfonce && !m_affichage_en_cours)
            (this->*action)();
    });
}

void Tgeneral::construit_boutons_tables(QWidget* panel1)
{
    m_panel_2_9 = new QWidget(panel1);
    m_panel_2_9->setObjectName(QStringLiteral("Panel_2_9"));
    m_panel_2_9->setGeometry(144, 8, 360, 66);
    m_panel_12_19 = new QWidget(panel1);
    m_panel_12_19->setObjectName(QStringLiteral("Panel_12_19"));
    m_panel_12_19->setGeometry(144, 8, 360, 66);
    m_panel_12_19->hide();

    QFont chiffres = font();
    chiffres.setBold(true);
    chiffres.setPointSize(14);
    m_boutons_tables.fill(nullptr, 20);
    for (int n = 2; n <= 19; ++n) {
        if (n == 10)
            continue;
        const bool classique = n <= 9;
        const int rang = classique ? n - 2 : n - 11;
        const int largeur = classique ? 42 : 37;
        const QString bulle
            = n == 11 ? QStringLiteral("Table des carrés") : QStringLiteral("Table des %1").arg(n);
        const QString texte = n == 11 ? QStringLiteral("n²") : QString::number(n);
        QToolButton* b
            = bouton_bascule(classique ? m_panel_2_9 : m_panel_12_19, QStringLiteral("SpeedButton%1").arg(n),
                texte, bulle, QRect(2 + rang * (largeur + 3), 8, largeur, 50));
        b->setFont(chiffres);
        m_boutons_tables[n] = b;
        connect(b, &QToolButton::toggled, this, [this, n](bool enfonce) {
            if (tableau().boutons().enfonce(n) == enfonce)
                return; // shown from the selection, not a change of it
            tableau().bascule_table(n, enfonce);
            affiche_boutons_tables();
            affiche_choix_apprentissage();
        });
    }
}

void Tgeneral::construit_quantite(QWidget* panel1)
{
    m_bouton_tables_entieres = bouton_bascule(panel1, QStringLiteral("SpeedButton_tables"),
        QStringLiteral("Etudier tables entières"), QString(), QRect(510, 6, 160, 33));
    m_bouton_trous = bouton_bascule(panel1, QStringLiteral("SpeedButton_trous"),
        QStringLiteral("Etudier trous seulement"), QString(), QRect(510, 43, 160, 33));
    rend_exclusifs({m_bouton_tables_entieres, m_bouton_trous});
    m_bouton_tables_entieres->setChecked(true);
    sur_appui(m_bouton_tables_entieres, &Tgeneral::SpeedButton_tablesClick);
    sur_appui(m_bouton_trous, &Tgeneral::SpeedButton_trousClick);

    m_bouton_plus = new QToolButton(panel1);
    m_bouton_plus->setObjectName(QStringLiteral("SpeedButton1"));
    m_bouton_plus->setArrowType(Qt::UpArrow);
    m_bouton_plus->setGeometry(676, 6, 30, 33);
    m_bouton_plus->setAccessibleName(QStringLiteral("Plus de produits"));
    m_bouton_plus->setToolTip(QStringLiteral("Plus de produits"));
    m_bouton_plus->setFocusPolicy(Qt::StrongFocus);
    connect(m_bouton_plus, &QToolButton::clicked, this, &Tgeneral::SpeedButton1Click);
    m_bouton_moins = new QToolButton(panel1);
    m_bouton_moins->setObjectName(QStringLiteral("SpeedButton10"));
    m_bouton_moins->setArrowType(Qt::DownArrow);
    m_bouton_moins->setGeometry(676, 43, 30, 33);
    m_bouton_moins->setAccessibleName(QStringLiteral("Moins de produits"));
    m_bouton_moins->setToolTip(QStringLiteral("Moins de produits"));
    m_bouton_moins->setFocusPolicy(Qt::StrongFocus);
    connect(m_bouton_moins, &QToolButton::clicked, this, &Tgeneral::SpeedButton10Click);

    m_label2 = etiquette(panel1, QStringLiteral("Label2"), QStringLiteral("8"), QRect(710, 8, 76, 66));
    m_label2->setAlignment(Qt::AlignCenter);
    QFont grand = font();
    grand.setBold(true);
    grand.setPointSize(24);
    m_label2->setFont(grand);
    QPalette bleu = m_label2->palette();
    bleu.setColor(QPalette::WindowText, QColor(0, 0, 200));
    m_label2->setPalette(bleu);
}

void Tgeneral::construit_menus()
{
    QMenuBar* barre = menuBar();
    QMenu* eleve = barre->addMenu(QStringLiteral("&Elève"));
    m_tableau_de_bord = eleve->addAction(QStringLiteral("Tableau de bord"));
    m_tableau_de_bord->setEnabled(false);
    m_changer_eleve = eleve->addAction(QStringLiteral("Changer élève"));
    connect(m_changer_eleve, &QAction::triggered, this, &Tgeneral::ButtonChangerEleveClick);

    QMenu* test = barre->addMenu(QStringLiteral("&Test"));
    m_test_normal = test->addAction(QStringLiteral("Test normal"));
    connect(m_test_normal, &QAction::triggered, this, &Tgeneral::button_testClick);
    test->addAction(QStringLiteral("Test tables étendues"))->setEnabled(false);
    test->addAction(QStringLiteral("Test calcul mental"))->setEnabled(false);

    QMenu* apprentissage = barre->addMenu(QStringLiteral("&Apprentissage"));
    m_apprentissage = apprentissage->addAction(QStringLiteral("Apprentissage"));
    connect(m_apprentissage, &QAction::triggered, this, &Tgeneral::apprentissage1Click);
    static const char* const niveaux[3] = {"facile", "pas facile", "pas facile du tout"};
    for (int i = 0; i < 3; ++i) {
        const QString niveau = QString::fromUtf8(niveaux[i]);
        QAction* a = apprentissage->addAction(QStringLiteral("Perfectionnement: niveau %1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, niveau] { perfectionnementClick(niveau); });
        m_perfectionnement.append(a);
    }

    m_reglages = barre->addAction(QStringLiteral("Réglages"));
    connect(m_reglages, &QAction::triggered, this, &Tgeneral::Configuration1Click);
    m_enseignant = barre->addAction(QStringLiteral("Enseignant"));
    connect(m_enseignant, &QAction::triggered, this, &Tgeneral::Professeur1Click);

    QMenu* aide = barre->addMenu(QStringLiteral("&?"));
    connect(aide->addAction(QStringLiteral("Aide")), &QAction::triggered, this, &Tgeneral::aide1Click);
    connect(aide->addAction(QStringLiteral("A propos....")), &QAction::triggered, this, &Tgeneral::N1Click);
}
