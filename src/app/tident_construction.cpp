#include "app/tident.h"
#include "app/tident_libelle.h"
#include "ui/controles.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

namespace {

const char* style_listes
    = "QListWidget { background-color: #0000A8; color: #FFFF00; border: 1px solid #000040;"
      " outline: 0; }"
      "QListWidget::item { padding-left: 2px; }"
      "QListWidget::item:selected, QListWidget::item:hover { background-color: #FFFF00;"
      " color: #0000A8; }"
      "QListWidget::item:focus { border: 1px dotted #FFFFFF; }"
      "QListWidget:disabled { color: #FFFF00; }";

QFont police_fixe(int pixels)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"), f.family()});
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QFont police_texte(int pixels)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

// A light tile of soft squares and multiplication signs, drawn once.
QPixmap motif_fond()
{
    QPixmap tuile(64, 64);
    tuile.fill(QColor(206, 232, 246));
    QPainter p(&tuile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(197, 226, 244));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
    p.drawRoundedRect(QRectF(36, 36, 24, 24), 4, 4);
    p.setPen(QPen(QColor(180, 214, 238), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 10), QPointF(54, 22));
    p.drawLine(QPointF(54, 10), QPointF(42, 22));
    p.drawLine(QPointF(10, 42), QPointF(22, 54));
    p.drawLine(QPointF(22, 42), QPointF(10, 54));
    return tuile;
}

QPushButton* nouveau_bouton(QWidget* parent, const char* nom, const QString& texte, int largeur)
{
    auto* b = bouton_nomme(QLatin1String(nom), texte, parent);
    b->setAccessibleName(texte.simplified());
    b->setFont(police_texte(14));
    b->setCursor(Qt::PointingHandCursor);
    b->resize(largeur, 34);
    b->hide();
    return b;
}

LibelleContour* nouveau_libelle(QWidget* parent, const char* nom, const QString& texte, bool code = false)
{
    auto* l = new LibelleContour(texte, parent);
    l->setObjectName(QLatin1String(nom));
    if (code)
        l->fixe_degrade(QColor(40, 90, 255), Qt::black);
    l->hide();
    return l;
}

QLineEdit* nouveau_champ(QWidget* parent, const char* nom, const QString& invite, const QFont& police)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(nom));
    e->setAccessibleName(invite);
    e->setFont(police);
    e->hide();
    return e;
}

} // namespace

void Tident::construit()
{
    setObjectName(QStringLiteral("Tident"));
    setWindowTitle(QStringLiteral("Identification"));
    setFixedSize(626, 451);
    setModal(true);
    m_fond = motif_fond();

    construit_listes();
    construit_classe_et_inscription();
    construit_code();
    construit_nom();
    construit_code_donne();
    branche_controles();
}

void Tident::construit_listes()
{
    m_label_classe = nouveau_libelle(this, "label_classe", QStringLiteral("Clique sur ta classe:"));

    m_zone_listes = new QScrollArea(this);
    m_zone_listes->setObjectName(QStringLiteral("zone_listes"));
    m_zone_listes->setFrameShape(QFrame::NoFrame);
    m_zone_listes->setWidgetResizable(false);
    m_zone_listes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_zone_listes->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_zone_listes->setFocusPolicy(Qt::NoFocus);
    m_zone_listes->viewport()->setAutoFillBackground(false);
    m_contenu_listes = new QWidget;
    m_zone_listes->setWidget(m_contenu_listes);
    m_contenu_listes->setAutoFillBackground(false); // after setWidget, which turns it on
    m_zone_listes->hide();
    for (int i = 1; i <= 8; ++i)
        nouvelle_box(i);
    m_ListBox_autre = new QListWidget(m_contenu_listes);
    m_ListBox_autre->setObjectName(QStringLiteral("ListBox_autre"));
    m_ListBox_autre->setAccessibleName(QStringLiteral("Pas de classe"));
    m_ListBox_autre->setFont(police_fixe(15));
    m_ListBox_autre->setStyleSheet(QLatin1String(style_listes));
    m_ListBox_autre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ListBox_autre->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ListBox_autre->installEventFilter(this);
    connect(m_ListBox_autre, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { clic_liste(m_ListBox_autre, item); });
    remplit_box(m_ListBox_autre, {IdentificationEleve::aucune()}, 11, 14);
    m_ListBox_autre->hide();
}

void Tident::construit_classe_et_inscription()
{
    m_PanelClasse = new QLabel(this);
    m_PanelClasse->setObjectName(QStringLiteral("PanelClasse"));
    m_PanelClasse->setFont(police_texte(16));
    m_PanelClasse->setAlignment(Qt::AlignCenter);
    m_PanelClasse->setStyleSheet(QStringLiteral("QLabel { background-color: #FFFFE8; color: #000080; border: "
                                                "2px groove #8080A0; border-radius: 3px; }"));
    m_PanelClasse->hide();
    m_ButtonChangerClasse
        = nouveau_bouton(this, "ButtonChangerClasse", QStringLiteral("Changer  classe"), 140);

    m_label_inscription
        = nouveau_libelle(this, "label_inscription", QStringLiteral("Pas dans la liste? Clique ici:"));
    m_button_inscription = nouveau_bouton(this, "button_inscription", QStringLiteral("Inscription"), 130);
    m_Button_oui = nouveau_bouton(this, "Button_oui", QStringLiteral("Oui"), 90);
    m_Button_non = nouveau_bouton(this, "Button_non", QStringLiteral("Non"), 90);
}

void Tident::construit_code()
{
    m_label_tape_code = nouveau_libelle(this, "label_tape_code", QStringLiteral("Tape ton code:"), true);
    m_label_tape_code->move(40, 120);
    m_Edit_code = nouveau_champ(this, "Edit_code", QStringLiteral("Tape ton code:"), police_fixe(26));
    m_Edit_code->setMaxLength(4);
    m_Edit_code->setGeometry(m_label_tape_code->geometry().right() + 14, 114, 110, 40);
    m_label_code_inconnu = nouveau_libelle(this, "label_code_inconnu", QStringLiteral("code inconnu"), true);
    m_label_code_inconnu->move(40, 182);
    m_Button_code_inconnu = nouveau_bouton(this, "Button_code_inconnu", QStringLiteral("OK"), 90);
    m_Button_code_inconnu->move(m_label_code_inconnu->geometry().right() + 14, 178);
}

void Tident::construit_nom()
{
    m_Label_nom = nouveau_libelle(this, "Label_nom", QStringLiteral("Nom de famille:"));
    m_Label_nom->move(40, 120);
    m_Edit_nom = nouveau_champ(this, "Edit_nom", QStringLiteral("Nom de famille:"), police_texte(18));
    m_Edit_nom->setGeometry(220, 116, 340, 34);
    m_Edit_nom->setMaxLength(40); // with the first name and ".txt", a file name well under any system's limit
    m_label_prenom = nouveau_libelle(this, "label_prenom", QStringLiteral("Prénom:"));
    m_label_prenom->move(40, 172);
    m_Edit_prenom = nouveau_champ(this, "Edit_prenom", QStringLiteral("Prénom:"), police_texte(18));
    m_Edit_prenom->setGeometry(220, 168, 340, 34);
    m_Edit_prenom->setMaxLength(40);
    m_Button_id = nouveau_bouton(this, "Button_id", QStringLiteral("OK"), 110);
    m_Button_id->move(220, 220);
}

void Tident::construit_code_donne()
{
    m_label_code = nouveau_libelle(this, "label_code", QStringLiteral("Ton code est:"), true);
    m_label_code->move(40, 290);
    m_Panel_code = new QLabel(this);
    m_Panel_code->setObjectName(QStringLiteral("Panel_code"));
    m_Panel_code->setFont(police_fixe(36));
    m_Panel_code->setAlignment(Qt::AlignCenter);
    m_Panel_code->setTextInteractionFlags(Qt::NoTextInteraction);
    m_Panel_code->setStyleSheet(
        QStringLiteral("QLabel { background-color: #0000A8; color: #FFFF00; border: 2px solid #000050; }"));
    m_Panel_code->setGeometry(220, 276, 150, 58);
    m_Panel_code->hide();
    m_label_cahier = nouveau_libelle(this, "label_cahier", QStringLiteral("Note-le sur ton cahier"), true);
    m_label_cahier->move(220, 340);
    m_Button_code = nouveau_bouton(this, "Button_code", QStringLiteral("OK"), 110);
    m_Button_code->move(220, 382);
}

void Tident::branche_controles()
{
    m_Edit_nom->installEventFilter(this);
    m_Edit_prenom->installEventFilter(this);
    connect(m_ButtonChangerClasse, &QPushButton::clicked, this, [this] { ButtonChangerClasseClick(); });
    connect(m_button_inscription, &QPushButton::clicked, this, [this] { button_inscriptionClick(); });
    connect(m_Button_non, &QPushButton::clicked, this, [this] { button_inscriptionClick(); });
    connect(m_Button_oui, &QPushButton::clicked, this, [this] { Button_ouiClick(); });
    connect(m_Button_code_inconnu, &QPushButton::clicked, this, [this] { Button_code_inconnuClick(); });
    connect(m_Button_id, &QPushButton::clicked, this, [this] { Button_idClick(); });
    connect(m_Button_code, &QPushButton::clicked, this, [this] { Button_codeClick(); });
    // Every change counts, typed or set by a dictation tool or a screen reader.
    connect(m_Edit_code, &QLineEdit::textChanged, this, [this] { Edit_codeChange(); });
    connect(m_Edit_nom, &QLineEdit::textChanged, this, [this] { Edit_nom_prenomChange(m_Edit_nom); });
    connect(m_Edit_prenom, &QLineEdit::textChanged, this, [this] { Edit_nom_prenomChange(m_Edit_prenom); });
    setTabOrder(m_Edit_nom, m_Edit_prenom);
    setTabOrder(m_Edit_prenom, m_Button_id);
}

QListWidget* Tident::nouvelle_box(int i)
{
    auto* b = new QListWidget(m_contenu_listes);
    b->setObjectName(QStringLiteral("ListBox%1").arg(i));
    b->setFont(police_fixe(15));
    b->setStyleSheet(QLatin1String(style_listes));
    b->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    b->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    b->setSelectionMode(QAbstractItemView::SingleSelection);
    b->setCursor(Qt::PointingHandCursor);
    b->installEventFilter(this);
    connect(b, &QListWidget::itemClicked, this, [this, b](QListWidgetItem* item) { clic_liste(b, item); });
    b->hide();
    m_boxes.append(b);
    return b;
}

void Tident::remplit_box(QListWidget* b, const QStringList& entrees, int largeur_par_car, int marge)
{
    b->clear();
    qsizetype plus_long = 0;
    for (const QString& e : entrees)
        plus_long = std::max(plus_long, e.size());
    const int largeur = static_cast<int>(plus_long) * largeur_par_car + marge;
    for (const QString& e : entrees) {
        auto* item = new QListWidgetItem(e, b);
        item->setSizeHint(QSize(largeur - 2, 18));
    }
    b->resize(largeur, 18 * static_cast<int>(entrees.size()) + 4);
}

void Tident::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QBrush(m_fond));
}
