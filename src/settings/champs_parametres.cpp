#include "settings/champs_parametres.h"

#include "storage/configuration.h"
#include "storage/taille_affichage.h"
#include "ui/controles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QRadioButton* radio(const QString& nom, const QString& libelle, QWidget* parent)
{
    return bouton_nomme<QRadioButton>(nom, libelle, parent);
}

QLabel* etiquette(const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setWordWrap(false);
    return l;
}

// A spin box on one row: its caption, the box, its unit.
QSpinBox* spin(QGridLayout* grille, int ligne, const QString& nom, const QString& libelle, BornesEntier b,
    const QString& unite, QWidget* parent)
{
    QLabel* l = etiquette(libelle, parent);
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(b.min, b.max);
    s->setAccessibleName(libelle);
    l->setBuddy(s);
    grille->addWidget(l, ligne, 0);
    grille->addWidget(s, ligne, 1);
    if (!unite.isEmpty())
        grille->addWidget(etiquette(unite, parent), ligne, 2);
    return s;
}

// The caption as this window spells it: the console ends its captions with ":".
QString libelle(Disposition d, const QString& texte)
{
    return d == Disposition::console && !texte.endsWith(QLatin1Char(':')) ? texte + QLatin1Char(':') : texte;
}

QGridLayout* grille_de(QWidget* groupe)
{
    auto* g = new QGridLayout(groupe);
    g->setColumnStretch(3, 1);
    return g;
}

} // namespace

ChoixOuiNon::ChoixOuiNon(QGridLayout* grille, int ligne, const QString& libelle, const QString& nom_oui,
    const QString& nom_non, QWidget* parent)
    : m_oui(radio(nom_oui, QStringLiteral("oui"), parent))
    , m_non(radio(nom_non, QStringLiteral("non"), parent))
{
    // Alone, "oui" and "non" would not say what they answer.
    const QString question = QString(libelle).remove(QLatin1Char(':')).trimmed();
    m_oui->setAccessibleName(question + QStringLiteral(" : oui"));
    m_non->setAccessibleName(question + QStringLiteral(" : non"));
    auto* groupe = new QButtonGroup(parent);
    groupe->addButton(m_oui);
    groupe->addButton(m_non);
    grille->addWidget(etiquette(libelle, parent), ligne, 0);
    grille->addWidget(m_oui, ligne, 1);
    grille->addWidget(m_non, ligne, 2);
    m_non->setChecked(true);
}

void ChoixOuiNon::choisit(bool oui)
{
    (oui ? m_oui : m_non)->setChecked(true);
}

bool ChoixOuiNon::oui() const
{
    return m_oui->isChecked();
}

GroupeTemps::GroupeTemps(Disposition d, QWidget* parent)
    : GroupeParametres(QStringLiteral("Temps de réponse"), parent)
{
    setObjectName(QStringLiteral("GroupeTemps"));
    QGridLayout* g = grille_de(this);
    const QString secondes = QStringLiteral("secondes");
    m_acceptable = spin(g, 0, QStringLiteral("SpinEdit_tmps_ok"),
        QStringLiteral("Temps de réponse acceptable:"), bornes::temps_acceptable, secondes, this);
    m_maximum = spin(g, 1, QStringLiteral("SpinEdit_tmps_max"), QStringLiteral("Temps de réponse maximum:"),
        bornes::temps_maximum, secondes, this);
    m_initial = spin(g, 2, QStringLiteral("SpinEdit_tmps_ini_perfect"),
        libelle(d, QStringLiteral("Temps réponse initial perfectionnement")), bornes::temps_initial, secondes,
        this);
    m_final = spin(g, 3, QStringLiteral("SpinEdit_tmps_fin_perfect"),
        libelle(d, QStringLiteral("Temps réponse final perfectionnement")), bornes::temps_final, secondes,
        this);
}

void GroupeTemps::affiche(const ParametresGeneraux& p)
{
    m_acceptable->setValue(p.temps_acceptable);
    m_maximum->setValue(p.temps_maximum);
    m_initial->setValue(p.temps_initial);
    m_final->setValue(p.temps_final);
}

void GroupeTemps::recopie(ParametresGeneraux& p) const
{
    p.temps_acceptable = m_acceptable->value();
    p.temps_maximum = m_maximum->value();
    p.temps_initial = m_initial->value();
    p.temps_final = m_final->value();
}

GroupeApprentissage::GroupeApprentissage(Disposition d, QWidget* parent)
    : GroupeParametres(QStringLiteral("Apprentissage"), parent)
{
    setObjectName(QStringLiteral("GroupeApprentissage"));
    QGridLayout* g = grille_de(this);

    g->addWidget(etiquette(QStringLiteral("Ordre de rangement des items:"), this), 0, 0);
    m_par_tables = radio(QStringLiteral("RadioButton_ordclass"), QStringLiteral("par tables"), this);
    m_valeur_produit = radio(QStringLiteral("RadioButton_ordprod"), QStringLiteral("valeur produit"), this);
    auto* ordre = new QButtonGroup(this);
    ordre->addButton(m_par_tables);
    ordre->addButton(m_valeur_produit);
    g->addWidget(m_par_tables, 0, 1);
    g->addWidget(m_valeur_produit, 0, 2);
    g->addWidget(construit_taille(d), 1, 0, 1, 4);
    g->addWidget(construit_bloc(), 2, 0, 1, 4);
    g->addWidget(construit_formule(), 3, 0, 1, 4);

    // Its own grid, so that "oui" and "non" stay side by side.
    auto* go = grille_de(nullptr);
    g->addLayout(go, 4, 0, 1, 4);
    m_obligatoire
        = ChoixOuiNon(go, 0, libelle(d, QStringLiteral("Apprentissage obligatoire avant perfectionnement:")),
            QStringLiteral("RadioButton22"), QStringLiteral("RadioButton21"), this);
    m_boutons_formule.first()->setChecked(true);
}

QGroupBox* GroupeApprentissage::construit_taille(Disposition d)
{
    // Shown as the program has always shown them; only the block size is saved.
    auto* taille = new QGroupBox(QStringLiteral("Taille des blocs"), this);
    auto* gt = new QGridLayout(taille);
    auto* ligne_bloc = new QHBoxLayout;
    ligne_bloc->addWidget(etiquette(QStringLiteral("blocs de"), taille));
    m_bloc = new QSpinBox(taille);
    m_bloc->setObjectName(QStringLiteral("SpinEdit_Bloc"));
    m_bloc->setRange(bornes::items_par_bloc.min, bornes::items_par_bloc.max);
    m_bloc->setAccessibleName(QStringLiteral("Taille des blocs"));
    ligne_bloc->addWidget(m_bloc);
    ligne_bloc->addWidget(etiquette(QStringLiteral("items"), taille));
    ligne_bloc->addStretch();
    gt->addLayout(ligne_bloc, 0, 0, 1, 3);
    gt->addWidget(etiquette(QStringLiteral("Constitution des blocs:"), taille), 1, 0);
    QRadioButton* exact
        = radio(QStringLiteral("RadioButton_bloc_exact"), QStringLiteral("exactement"), taille);
    exact->setChecked(true);
    QRadioButton* moyenne = radio(
        QStringLiteral("RadioButton_bloc_moyenne"), QStringLiteral("en moyenne: blocs homogènes"), taille);
    moyenne->setEnabled(false);
    gt->addWidget(exact, 1, 1);
    // The console's page has two columns: there the second choice goes below the first.
    const bool etroit = d == Disposition::console;
    gt->addWidget(moyenne, etroit ? 2 : 1, etroit ? 1 : 2);
    return taille;
}

QGroupBox* GroupeApprentissage::construit_bloc()
{
    auto* bloc = new QGroupBox(QStringLiteral("Apprentissage d'un bloc"), this);
    bloc->setObjectName(QStringLiteral("GroupBox_apprentissage_bloc"));
    auto* gb = new QHBoxLayout(bloc);
    QRadioButton* aleatoire
        = radio(QStringLiteral("RadioButton_aleatoire"), QStringLiteral("interrogation aléatoire"), bloc);
    aleatoire->setChecked(true);
    gb->addWidget(aleatoire);
    gb->addWidget(radio(QStringLiteral("RadioButton_ordre"), QStringLiteral("ordre, puis désordre"), bloc));
    gb->addStretch();
    bloc->setEnabled(false);
    return bloc;
}

QGroupBox* GroupeApprentissage::construit_formule()
{
    auto* formule = new QGroupBox(QStringLiteral("Formule récursive d'apprentissage"), this);
    auto* gf = new QGridLayout(formule);
    m_formules = new QButtonGroup(this);
    const QStringList textes = formules::proposees + QStringList {QStringLiteral("Autre")};
    for (int i = 0; i < textes.size(); ++i) {
        QRadioButton* b = radio(QStringLiteral("RadioButton_formule%1").arg(i + 1), textes[i], formule);
        m_formules->addButton(b, i);
        m_boutons_formule.append(b);
        gf->addWidget(b, i < 3 ? 0 : 1, i < 3 ? i : 0);
    }
    m_edit_formule = new QLineEdit(formule);
    m_edit_formule->setObjectName(QStringLiteral("Edit_formule"));
    m_edit_formule->setAccessibleName(QStringLiteral("Formule récursive d'apprentissage"));
    m_edit_formule->setPlaceholderText(QStringLiteral("par exemple 1.1.1.1.4"));
    m_edit_formule->setMaxLength(longueur_formule_maximum);
    gf->addWidget(m_edit_formule, 1, 1, 1, 2);
    m_avis_formule = new QLabel(formule);
    m_avis_formule->setObjectName(QStringLiteral("Label_formule"));
    m_avis_formule->setWordWrap(true);
    gf->addWidget(m_avis_formule, 2, 0, 1, 3);
    connect(m_formules, &QButtonGroup::idToggled, this, [this] { actualise_formule(); });
    connect(m_edit_formule, &QLineEdit::textChanged, this, [this] { actualise_formule(); });
    return formule;
}

void GroupeApprentissage::affiche(const ParametresGeneraux& p)
{
    (p.ordre_valeur_produit ? m_valeur_produit : m_par_tables)->setChecked(true);
    m_bloc->setValue(p.items_par_bloc);
    const int i = formules::proposees.indexOf(p.formule);
    // A free formula stays in its field while another button is chosen, so that it can be taken back.
    if (i < 0)
        m_edit_formule->setText(p.formule);
    m_boutons_formule[i < 0 ? 3 : i]->setChecked(true);
    m_obligatoire.choisit(p.apprentissage_obligatoire);
    actualise_formule();
}

void GroupeApprentissage::recopie(ParametresGeneraux& p) const
{
    p.ordre_valeur_produit = m_valeur_produit->isChecked();
    p.items_par_bloc = m_bloc->value();
    p.formule = formule_choisie();
    p.apprentissage_obligatoire = m_obligatoire.oui();
}

QString GroupeApprentissage::formule_choisie() const
{
    const int i = m_formules->checkedId();
    if (i < 0)
        return {};
    return i < 3 ? formules::proposees[i] : m_edit_formule->text().trimmed();
}

QString GroupeApprentissage::refus() const
{
    return refus_formule(formule_choisie());
}

void GroupeApprentissage::montre_formule()
{
    m_edit_formule->setFocus();
    m_edit_formule->selectAll();
}

void GroupeApprentissage::actualise_formule()
{
    m_edit_formule->setEnabled(m_formules->checkedId() == 3);
    const QString refus = this->refus();
    QPalette pal = m_avis_formule->palette();
    pal.setColor(QPalette::WindowText, refus.isEmpty() ? QColor(0, 100, 0) : QColor(180, 0, 0));
    m_avis_formule->setPalette(pal);
    const QString lecture = lecture_formule(formule_choisie());
    m_avis_formule->setText(!refus.isEmpty() ? QStringLiteral("Formule refusée : %1").arg(refus)
            : lecture.isEmpty()              ? QStringLiteral("Formule utilisable.")
                                : QStringLiteral("Un groupe de blocs s'apprend ainsi : %1.").arg(lecture));
}

GroupeApparence::GroupeApparence(Disposition d, QWidget* parent)
    : GroupeParametres(QStringLiteral("Options"), parent)
{
    setObjectName(QStringLiteral("GroupeApparence"));
    QGridLayout* g = grille_de(this);
    const bool console = d == Disposition::console;
    m_chrono = ChoixOuiNon(g, 0, libelle(d, QStringLiteral("Chrono test visible")),
        QStringLiteral("RadioButton23"), QStringLiteral("RadioButton24"), this);
    m_pause = ChoixOuiNon(g, 1, libelle(d, QStringLiteral("Bouton pause test visible")),
        QString::fromLatin1(console ? "RadioButton27" : "RadioButton1"),
        QString::fromLatin1(console ? "RadioButton28" : "RadioButton2"), this);
    m_masquer = ChoixOuiNon(g, 2, libelle(d, QStringLiteral("Masquer tests incomplets")),
        QString::fromLatin1(console ? "RadioButton34" : "RadioButton6"),
        QString::fromLatin1(console ? "RadioButton35" : "RadioButton9"), this);
    m_perso = ChoixOuiNon(g, 3, libelle(d, QStringLiteral("Autoriser configuration personnelle")),
        QStringLiteral("RadioButton_configperso1"), QStringLiteral("RadioButton_configperso2"), this);
}

void GroupeApparence::affiche(const ParametresGeneraux& p)
{
    m_chrono.choisit(p.chrono_visible);
    m_pause.choisit(p.pause_visible);
    m_masquer.choisit(p.masquer_incomplets);
    m_perso.choisit(p.configuration_personnelle);
}

void GroupeApparence::recopie(ParametresGeneraux& p) const
{
    p.chrono_visible = m_chrono.oui();
    p.pause_visible = m_pause.oui();
    p.masquer_incomplets = m_masquer.oui();
    p.configuration_personnelle = m_perso.oui();
}

GroupeAffichage::GroupeAffichage(QWidget* parent)
    : GroupeParametres(QStringLiteral("Affichage"), parent)
{
    setObjectName(QStringLiteral("GroupeAffichage"));
    QGridLayout* g = grille_de(this);
    m_taille = new QComboBox(this);
    m_taille->setObjectName(QStringLiteral("ComboBox_taille_affichage"));
    m_taille->addItems(taille_affichage::choix());
    QLabel* l = etiquette(QStringLiteral("Taille de l'affichage:"), this);
    l->setBuddy(m_taille);
    m_taille->setAccessibleName(l->text());
    m_taille->setAccessibleDescription(QStringLiteral(
        "Agrandit toutes les fenêtres de ce poste au prochain démarrage ; « adaptée à l'écran » "
        "les agrandit autant que l'écran le permet."));
    g->addWidget(l, 0, 0);
    g->addWidget(m_taille, 0, 1);
}

void GroupeAffichage::affiche(const ParametresGeneraux& p)
{
    m_taille->setCurrentText(taille_affichage::normalise(p.affichage));
}

void GroupeAffichage::recopie(ParametresGeneraux& p) const
{
    p.affichage = m_taille->currentText();
}

GroupeObjectifs::GroupeObjectifs(QWidget* parent)
    : GroupeParametres(QStringLiteral("Objectifs à atteindre:"), parent)
    , m_cases(20, nullptr)
{
    setObjectName(QStringLiteral("GroupeObjectifs"));
    auto* g = new QGridLayout(this);
    m_classiques = radio(QStringLiteral("RadioButton3"), QStringLiteral("Tables classiques"), this);
    m_etendues = radio(QStringLiteral("RadioButton4"), QStringLiteral("Tables étendues"), this);
    QRadioButton* raisonnees
        = radio(QStringLiteral("RadioButton_raisonnees"), QStringLiteral("Tables raisonnées"), this);
    raisonnees->setEnabled(false);
    auto* famille = new QButtonGroup(this);
    for (QRadioButton* b : {m_classiques, m_etendues, raisonnees})
        famille->addButton(b);
    g->addWidget(m_classiques, 0, 0, 1, 9);
    g->addWidget(m_etendues, 2, 0, 1, 9);
    g->addWidget(raisonnees, 4, 0, 1, 9);
    for (int n = 2; n <= 19; ++n) {
        if (n == 10)
            continue;
        const QString texte = n <= 9 ? QStringLiteral("%1×").arg(n)
            : n == 11                ? QStringLiteral("carrés")
                                     : QString::number(n);
        auto* c = new QCheckBox(texte, this);
        c->setObjectName(QStringLiteral("CheckBox_%1").arg(n));
        c->setAccessibleName(
            n == 11 ? QStringLiteral("table des carrés") : QStringLiteral("table de %1").arg(n));
        m_cases[n] = c;
        g->addWidget(c, n <= 9 ? 1 : 3, n <= 9 ? n - 2 : n - 11);
    }
    // Followed however the state changes: mouse, keyboard or screen reader.
    connect(m_classiques, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi)
            RadioButton3Click();
    });
    connect(m_etendues, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi)
            RadioButton4Click();
    });
    m_classiques->setChecked(true);
    RadioButton3Click();
}

void GroupeObjectifs::RadioButton3Click()
{
    for (int n = 2; n <= 19; ++n)
        if (m_cases[n])
            m_cases[n]->setEnabled(n <= 9);
}

void GroupeObjectifs::RadioButton4Click()
{
    for (int n = 2; n <= 19; ++n)
        if (m_cases[n])
            m_cases[n]->setEnabled(n >= 11);
}

void GroupeObjectifs::affiche(const ParametresGeneraux& p)
{
    (p.objectifs_etendus ? m_etendues : m_classiques)->setChecked(true);
    p.objectifs_etendus ? RadioButton4Click() : RadioButton3Click();
    for (int n = 2; n <= 19; ++n)
        if (m_cases[n])
            m_cases[n]->setChecked(p.tables_classiques.contains(n) || p.tables_etendues.contains(n));
}

void GroupeObjectifs::recopie(ParametresGeneraux& p) const
{
    p.objectifs_etendus = m_etendues->isChecked();
    p.tables_classiques.clear();
    p.tables_etendues.clear();
    for (int n = 2; n <= 19; ++n)
        if (m_cases[n] && m_cases[n]->isChecked())
            (n <= 9 ? p.tables_classiques : p.tables_etendues).append(n);
}
