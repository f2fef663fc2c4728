#include "teacher/page_parametres.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QLineEdit* champ(QWidget* parent, const char* nom, const QString& libelle, int y, int largeur_libelle = 250)
{
    auto* l = new QLabel(libelle, parent);
    l->setGeometry(10, y, largeur_libelle, 22);
    auto* c = new QLineEdit(parent);
    c->setObjectName(QLatin1String(nom));
    c->setAccessibleName(libelle);
    c->setGeometry(10 + largeur_libelle, y, 350, 22);
    l->setBuddy(c);
    return c;
}

} // namespace

PageParametres::PageParametres(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Parametres"));
    auto* dossiers = new QGroupBox(QStringLiteral("Dossiers et code"), this);
    dossiers->setObjectName(QStringLiteral("GroupBox_dossiers"));
    dossiers->setGeometry(10, 8, 620, 180);
    m_serveur = champ(dossiers, "Edit_serveur", QStringLiteral("Chemin serveur en réseau"), 24);
    m_reseau = champ(
        dossiers, "Edit_eleves_reseau", QStringLiteral("Dossier élèves en réseau:   {chemin serveur}\\"), 52);
    m_mono = champ(dossiers, "Edit_mono", QStringLiteral("Dossier élèves monoposte:  {Tabrix}\\"), 80);
    m_statistiques = champ(dossiers, "Edit8", QStringLiteral("Dossier statistiques:  {Tabrix}\\"), 108);
    m_code = champ(dossiers, "Edit5", QStringLiteral("code professeur:"), 140, 120);
    m_code->setMaxLength(4);
    m_code->setFixedWidth(60);
    auto* maxi = new QLabel(QStringLiteral("(4 lettres maxi)"), dossiers);
    maxi->setGeometry(200, 140, 150, 22);

    m_enregistrer = new QPushButton(QStringLiteral("Enregistrer"), this);
    m_enregistrer->setObjectName(QStringLiteral("Button_enregistrer_parametres"));
    m_enregistrer->setAccessibleName(m_enregistrer->text());
    m_enregistrer->setGeometry(640, 492, 130, 30);
    connect(m_enregistrer, &QPushButton::clicked, this, &PageParametres::enregistrement_demande);
}

void PageParametres::charge(const FichierIni& ini)
{
    const ParametresConsole p = lit_parametres_console(ini);
    m_serveur->setText(p.chemin_serveur);
    m_reseau->setText(p.dossier_eleves_reseau);
    m_mono->setText(p.dossier_eleves_monoposte);
    m_statistiques->setText(p.dossier_statistiques);
    m_code->setText(p.code_professeur);
}

void PageParametres::corrige_chemin_serveur()
{
    m_serveur->setText(chemin_serveur_enregistre(m_serveur->text()));
}

void PageParametres::ecrit(FichierIni& ini) const
{
    ecrit_parametres_console(
        ini, {m_serveur->text(), m_reseau->text(), m_mono->text(), m_statistiques->text(), m_code->text()});
}
