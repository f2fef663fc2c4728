#include "teacher/tstats.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int gauche_grille = 24;
constexpr int haut_grille = 46;
constexpr int pas_case = 32;

template <typename W> W* nomme(W* w, const QString& nom, const QString& accessible = {})
{
    w->setObjectName(nom);
    w->setAccessibleName(accessible);
    return w;
}

QRadioButton* bouton_radio(const QString& nom, const QString& texte, QWidget* parent, int y, int largeur)
{
    auto* b = nomme(new QRadioButton(texte, parent), nom, texte);
    b->setGeometry(10, y, largeur, 22);
    return b;
}

} // namespace

TStats::TStats(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TStats"));
    setWindowTitle(QStringLiteral("Statistiques par produits"));
    setFixedSize(880, 480);
    construit();
}

void TStats::construit()
{
    construit_grille();

    auto* afficher = nomme(new QGroupBox(QStringLiteral("Afficher:"), this),
        QStringLiteral("GroupBox_afficher"), QStringLiteral("Afficher:"));
    afficher->setGeometry(320, 10, 330, 122);
    const QStringList modes {QStringLiteral("pourcentage d'élèves"), QStringLiteral("nombre d'élèves"),
        QStringLiteral("temps moyen de réponse"), QStringLiteral("nombre moyen de bonnes réponses par mn")};
    for (int i = 0; i < modes.size(); ++i) {
        auto* b
            = bouton_radio(QStringLiteral("RadioButton%1").arg(i + 1), modes[i], afficher, 22 + 24 * i, 315);
        connect(b, &QRadioButton::clicked, this, [this, i] { RadioButtonClick(ModeAffichage(i)); });
        m_modes << b;
    }
    m_modes[0]->setChecked(true);

    auto* concernant = nomme(new QGroupBox(QStringLiteral("concernant:"), this),
        QStringLiteral("GroupBox_concernant"), QStringLiteral("concernant:"));
    concernant->setGeometry(320, 140, 330, 122);
    const QStringList categories {QStringLiteral("bonnes réponses dans un temps <"),
        QStringLiteral("bonnes réponses dans un temps >=4 s"), QStringLiteral("réponses fausses"),
        QStringLiteral("pas de réponse")};
    for (int i = 0; i < categories.size(); ++i) {
        auto* c = nomme(new QCheckBox(categories[i], concernant), QStringLiteral("CheckBox_rep%1").arg(i + 1),
            categories[i]);
        c->setGeometry(10, 22 + 24 * i, i == 0 ? 232 : 315, 22);
        c->setChecked(i >= 2);
        connect(c, &QCheckBox::clicked, this, [this, i] { CheckBox_repClick(i); });
        m_categories << c;
    }
    m_spin
        = nomme(new QSpinBox(concernant), QStringLiteral("SpinEdit2"), QStringLiteral("temps en secondes"));
    m_spin->setRange(1, 20);
    m_spin->setValue(4);
    m_spin->setGeometry(244, 21, 44, 24);
    connect(m_spin, &QSpinBox::valueChanged, this, &TStats::SpinEdit2Change);
    auto* sec = new QLabel(QStringLiteral("sec."), concernant);
    sec->setGeometry(292, 22, 34, 22);

    auto* actualiser = nomme(new QPushButton(QStringLiteral("Actualiser"), this),
        QStringLiteral("Button_calculer"), QStringLiteral("Actualiser"));
    actualiser->setGeometry(320, 272, 160, 30);
    connect(actualiser, &QPushButton::clicked, this, &TStats::Button_calculerClick);
    auto* enregistrer = nomme(new QPushButton(QStringLiteral("Enregistrer"), this), QStringLiteral("Button4"),
        QStringLiteral("Enregistrer"));
    enregistrer->setGeometry(490, 272, 160, 30);
    connect(enregistrer, &QPushButton::clicked, this, &TStats::Button4Click);
    auto* imprimer = nomme(new QPushButton(QStringLiteral("Imprimer"), this), QStringLiteral("Button2"),
        QStringLiteral("Imprimer"));
    imprimer->setGeometry(490, 310, 160, 30);
    connect(imprimer, &QPushButton::clicked, this, &TStats::Button2Click);

    m_label_nb_eleves = nomme(new QLabel(this), QStringLiteral("Label_nb_eleves1"));
    m_label_nb_eleves->setGeometry(gauche_grille, 330, 40, 22);
    m_label_nb_eleves->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label_total = new QLabel(QStringLiteral("élèves au total"), this);
    m_label_total->setGeometry(gauche_grille + 44, 330, 200, 22);

    construit_confusions();
}

void TStats::construit_grille()
{
    QFont petite = font();
    petite.setPixelSize(10);
    for (int a = 2; a <= 9; ++a) {
        auto* entete = new QLabel(QStringLiteral("%1×").arg(a), this);
        entete->setAlignment(Qt::AlignCenter);
        entete->setGeometry(gauche_grille + (a - 2) * pas_case, haut_grille - 22, 30, 20);
        auto* ligne = new QLabel(QString::number(a), this);
        ligne->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ligne->setGeometry(gauche_grille + 8 * pas_case + 4, haut_grille + (a - 2) * pas_case, 20, 30);
    }
    for (int k = 1; k <= nombre_cases; ++k) {
        auto* c = nomme(new QLabel(this), QStringLiteral("Panel%1").arg(k));
        c->setGeometry(gauche_grille + (facteur_colonne(k) - 2) * pas_case,
            haut_grille + (facteur_ligne(k) - 2) * pas_case, 30, 30);
        c->setAlignment(Qt::AlignCenter);
        c->setFont(petite);
        c->setFrameShape(QFrame::Box);
        c->setAutoFillBackground(true);
        m_cases << c;
    }
    m_couleurs.fill(0xF0F0F0);
}

void TStats::construit_confusions()
{
    auto* groupe = nomme(new QGroupBox(QStringLiteral("Fréquence des confusions"), this),
        QStringLiteral("GroupBox_confusions"), QStringLiteral("Fréquence des confusions"));
    groupe->setGeometry(660, 10, 212, 460);
    m_memo = nomme(
        new QPlainTextEdit(groupe), QStringLiteral("Memo1"), QStringLiteral("Fréquence des confusions"));
    m_memo->setReadOnly(true);
    QFont fixe(QStringLiteral("Courier New"));
    fixe.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(fixe).fixedPitch())
        fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_memo->setFont(fixe);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setGeometry(8, 22, 196, 314);
    m_label_confusions = nomme(new QLabel(groupe), QStringLiteral("Label1"));
    m_label_confusions->setGeometry(8, 340, 196, 20);
    auto* trier = new QLabel(QStringLiteral("Trier par:"), groupe);
    trier->setGeometry(8, 362, 196, 20);
    const QStringList noms {QStringLiteral("RadioButton_frequence"), QStringLiteral("RadioButton_produit"),
        QStringLiteral("RadioButton_resultat")};
    const QStringList textes {
        QStringLiteral("fréquence"), QStringLiteral("produit"), QStringLiteral("résultat")};
    for (int i = 0; i < noms.size(); ++i) {
        auto* b = bouton_radio(noms[i], textes[i], groupe, 382 + 24 * i, 190);
        connect(b, &QRadioButton::clicked, this, &TStats::trie_confusions);
        m_tris << b;
    }
    m_tris[0]->setChecked(true);
}
