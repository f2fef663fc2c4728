#include "teacher/page_parametres.h"

#include "storage/configuration.h"
#include "teacher/bouton_enregistrer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLineEdit* champ(QGridLayout* grille, int ligne, const char* nom, const QString& libelle)
{
    auto* l = new QLabel(libelle);
    auto* c = new QLineEdit;
    c->setObjectName(QLatin1String(nom));
    c->setAccessibleName(libelle);
    l->setBuddy(c);
    // A long path shows its start; the whole of it is in the hint.
    QObject::connect(c, &QLineEdit::textChanged, c, [c](const QString& texte) { c->setToolTip(texte); });
    grille->addWidget(l, ligne, 0);
    grille->addWidget(c, ligne, 1, 1, 2);
    return c;
}

} // namespace

PageParametres::PageParametres(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Parametres"));
    // Two columns, so that the page fits the console without scrolling.
    auto* contenu = new QWidget;
    auto* colonnes = new QHBoxLayout(contenu);
    colonnes->setContentsMargins(0, 0, 0, 0);
    auto* gauche = new QVBoxLayout;
    auto* droite = new QVBoxLayout;
    colonnes->addLayout(gauche, 1);
    colonnes->addLayout(droite, 1);

    auto* dossiers = new QGroupBox(QStringLiteral("Dossiers"));
    auto* gd = new QGridLayout(dossiers);
    m_serveur = champ(gd, 0, "Edit_serveur", QStringLiteral("Chemin serveur en réseau"));
    m_reseau = champ(
        gd, 1, "Edit_eleves_reseau", QStringLiteral("Dossier élèves en réseau:   {chemin serveur}\\"));
    m_mono = champ(gd, 2, "Edit_mono", QStringLiteral("Dossier élèves monoposte:  {Tabrix}\\"));
    m_statistiques = champ(gd, 3, "Edit8", QStringLiteral("Dossier statistiques:  {Tabrix}\\"));
    gauche->addWidget(dossiers);

    auto* codes = new QGroupBox(QStringLiteral("Codes"));
    auto* gc = new QGridLayout(codes);
    auto* libelle_code = new QLabel(QStringLiteral("code professeur:"));
    m_code = new QLineEdit;
    m_code->setObjectName(QStringLiteral("Edit5"));
    m_code->setAccessibleName(libelle_code->text());
    m_code->setMaxLength(4);
    m_code->setFixedWidth(60);
    libelle_code->setBuddy(m_code);
    gc->addWidget(libelle_code, 0, 0);
    gc->addWidget(m_code, 0, 1);
    gc->addWidget(new QLabel(QStringLiteral("(4 lettres maxi)")), 0, 2);
    m_identification = ChoixOuiNon(gc, 1, QStringLiteral("Identification par code:"),
        QStringLiteral("RadioButton10"), QStringLiteral("RadioButton20"), codes);
    droite->addWidget(codes);

    m_temps = new GroupeTemps(Disposition::console);
    m_apprentissage = new GroupeApprentissage(Disposition::console);
    m_apparence = new GroupeApparence(Disposition::console);
    gauche->addWidget(m_temps);
    gauche->addWidget(m_apparence);
    gauche->addStretch();
    droite->addWidget(m_apprentissage);
    droite->addStretch();

    auto* defile = new QScrollArea(this);
    defile->setFrameShape(QFrame::NoFrame);
    defile->setWidgetResizable(true);
    defile->setWidget(contenu);
    m_enregistrer = bouton_enregistrer(this, "Button_enregistrer_parametres");
    auto* page = new QVBoxLayout(this);
    page->addWidget(defile);
    page->addWidget(m_enregistrer, 0, Qt::AlignRight);
}

void PageParametres::charge(const FichierIni& ini)
{
    const ParametresConsole c = lit_parametres_console(ini);
    m_serveur->setText(c.chemin_serveur);
    m_reseau->setText(c.dossier_eleves_reseau);
    m_mono->setText(c.dossier_eleves_monoposte);
    m_statistiques->setText(c.dossier_statistiques);
    for (QLineEdit* chemin : {m_serveur, m_reseau, m_mono, m_statistiques})
        chemin->setCursorPosition(0);
    m_code->setText(c.code_professeur);
    m_identification.choisit(vaut_oui(ini.lit_texte(cles::codes, cles::identification_par_code)));
    const ParametresGeneraux p = lit_parametres(ini);
    m_temps->affiche(p);
    m_apprentissage->affiche(p);
    m_apparence->affiche(p);
    m_formule_lue = p.formule;
}

QString PageParametres::refus() const
{
    if (const QString r = refus_parametres_console(saisie_console()); !r.isEmpty())
        return r;
    ParametresGeneraux p;
    p.formule_lue = m_formule_lue;
    m_apprentissage->recopie(p);
    return refus_formule_a_enregistrer(p);
}

ParametresConsole PageParametres::saisie_console() const
{
    return {m_serveur->text(), m_reseau->text(), m_mono->text(), m_statistiques->text(), m_code->text()};
}

void PageParametres::montre_refus()
{
    for (QLineEdit* champ : {m_serveur, m_reseau, m_mono, m_statistiques}) {
        if (champ->text().trimmed().compare(FichierIni::texte_absent, Qt::CaseInsensitive) == 0) {
            champ->setFocus();
            champ->selectAll();
            return;
        }
    }
    m_apprentissage->montre_formule();
}

void PageParametres::corrige_chemin_serveur()
{
    m_serveur->setText(chemin_serveur_enregistre(m_serveur->text()));
}

void PageParametres::ecrit(FichierIni& ini) const
{
    ParametresGeneraux p = lit_parametres(ini);
    m_temps->recopie(p);
    m_apprentissage->recopie(p);
    m_apparence->recopie(p);
    ecrit_parametres_communs(ini, p);
    ecrit_parametres_console(ini, saisie_console());
    ini.ecrit_texte(cles::codes, cles::identification_par_code,
        m_identification.oui() ? QStringLiteral("oui") : QStringLiteral("non"));
}
