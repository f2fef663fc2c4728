#include "settings/treglages.h"

#include "settings/champs_parametres.h"
#include "settings/parametres_enregistrement.h"
#include "ui/boites.h"
#include "ui/controles.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

Treglages::Treglages(
    const QString& chemin_configuration, std::function<void()> retablit_verrous, QWidget* parent)
    : QDialog(parent)
    , m_chemin(chemin_configuration)
    , m_retablit_verrous(std::move(retablit_verrous))
{
    setObjectName(QStringLiteral("Treglages"));
    setWindowTitle(QStringLiteral("Réglages"));
    setModal(true);

    auto* temps = new GroupeTemps(Disposition::reglages, this);
    m_apprentissage = new GroupeApprentissage(Disposition::reglages, this);
    auto* apparence = new GroupeApparence(Disposition::reglages, this);
    m_groupes = {temps, m_apprentissage, apparence};

    auto* mode = new QGroupBox(QStringLiteral("Mode de fonctionnement"), this);
    mode->setObjectName(QStringLiteral("RadioGroup1"));
    auto* lm = new QHBoxLayout(mode);
    m_ecole = new QRadioButton(QStringLiteral("Ecole"), mode);
    m_ecole->setObjectName(QStringLiteral("RadioGroup1_Ecole"));
    m_maison = new QRadioButton(QStringLiteral("Maison"), mode);
    m_maison->setObjectName(QStringLiteral("RadioGroup1_Maison"));
    lm->addWidget(m_ecole);
    lm->addWidget(m_maison);
    lm->addStretch();
    // Made in the order they stand in the right-hand column, which Tab follows.
    auto* objectifs = new GroupeObjectifs(this);
    auto* affichage = new GroupeAffichage(this);
    m_groupes << objectifs << affichage;

    QPushButton* enregistrer = bouton_nomme(
        QStringLiteral("Button_enregistrer_parametres"), QStringLiteral("Enregistrer les réglages"), this);
    QPushButton* fermer = bouton_nomme(QStringLiteral("Button_fermer"), QStringLiteral("Fermer"), this);
    connect(enregistrer, &QPushButton::clicked, this, &Treglages::Button_enregistrer_parametresClick);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* grille = new QGridLayout(this);
    grille->addWidget(temps, 0, 0);
    grille->addWidget(m_apprentissage, 1, 0, 3, 1);
    grille->addWidget(apparence, 0, 1);
    grille->addWidget(mode, 1, 1);
    grille->addWidget(objectifs, 2, 1);
    grille->addWidget(affichage, 3, 1, Qt::AlignTop);
    grille->setRowStretch(3, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(enregistrer);
    boutons->addWidget(fermer);
    grille->addLayout(boutons, 4, 0, 1, 2);
    enregistrer->setDefault(true);
}

void Treglages::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormShow();
}

void Treglages::FormShow()
{
    if (m_retablit_verrous)
        m_retablit_verrous();
    m_parametres = lit_parametres(FichierIni(m_chemin));
    affiche();
}

void Treglages::affiche()
{
    for (GroupeParametres* g : m_groupes)
        g->affiche(m_parametres);
    (m_parametres.mode_ecole ? m_ecole : m_maison)->setChecked(true);
}

ParametresGeneraux Treglages::choisis() const
{
    ParametresGeneraux p = m_parametres;
    for (const GroupeParametres* g : m_groupes)
        g->recopie(p);
    p.mode_ecole = m_ecole->isChecked();
    return p;
}

void Treglages::Button_enregistrer_parametresClick()
{
    enregistre();
}

bool Treglages::enregistre()
{
    ParametresGeneraux p = choisis();
    const EnregistrementReglages r = enregistre_reglages(m_chemin, p);
    if (!r.ok) {
        boites::erreur(this, QStringLiteral("Réglages non enregistrés"), r.erreur);
        if (!refus_formule_a_enregistrer(p).isEmpty())
            m_apprentissage->montre_formule();
        return false;
    }
    m_parametres = p;
    affiche(); // the objectives ticked by default when none was
    QString texte
        = QStringLiteral("OK.\nLe logiciel doit être redémarré\npour prendre en compte les changements");
    if (!r.remarques.isEmpty())
        texte += QStringLiteral("\n\n") + r.remarques.join(QLatin1Char('\n'));
    boites::avertissement(this, QStringLiteral("ATTENTION!"), texte);
    return true;
}

void Treglages::done(int resultat)
{
    if (isVisible() && !(choisis() == m_parametres)) {
        const QMessageBox::StandardButton reponse = boites::question(this, QStringLiteral("Réglages"),
            QStringLiteral("Les réglages ont été modifiés sans être enregistrés.\nLes enregistrer avant de "
                           "fermer ?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (reponse == QMessageBox::Cancel || (reponse == QMessageBox::Yes && !enregistre()))
            return;
    }
    QDialog::done(resultat);
}
