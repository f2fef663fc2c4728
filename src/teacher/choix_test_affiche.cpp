#include "teacher/choix_test_affiche.h"

#include "core/dates.h"
#include "teacher/regles_selecteurs.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QRadioButton>

namespace {

QDateEdit* champ_date(const QString& nom, const QString& libelle)
{
    auto* d = new QDateEdit;
    d->setObjectName(nom);
    d->setAccessibleName(libelle);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

ChoixTestAffiche::ChoixTestAffiche(const QString& titre, const Noms& noms, QWidget* parent)
    : QGroupBox(titre, parent)
{
    auto* grille = new QGridLayout(this);
    m_premier = new QRadioButton(QStringLiteral("le premier à partir du"));
    m_premier->setObjectName(noms.premier);
    m_premier->setAccessibleName(m_premier->text());
    m_dernier = new QRadioButton(QStringLiteral("le dernier au"));
    m_dernier->setObjectName(noms.dernier);
    m_dernier->setAccessibleName(m_dernier->text());
    m_dernier->setChecked(true);
    m_date_premier = champ_date(noms.date_premier, m_premier->text());
    m_date_dernier = champ_date(noms.date_dernier, m_dernier->text());
    grille->addWidget(m_premier, 0, 0);
    grille->addWidget(m_date_premier, 0, 1);
    grille->addWidget(m_dernier, 1, 0);
    grille->addWidget(m_date_dernier, 1, 1);
}

void ChoixTestAffiche::initialise(QDate aujourdhui)
{
    m_date_premier->setDate(premier_septembre(aujourdhui));
    m_date_dernier->setDate(aujourdhui);
    m_dernier->setChecked(true);
}

ModeChoixTest ChoixTestAffiche::mode() const
{
    return m_premier->isChecked() ? ModeChoixTest::premier : ModeChoixTest::dernier;
}

QString ChoixTestAffiche::date() const
{
    return date_texte(mode() == ModeChoixTest::premier ? m_date_premier->date() : m_date_dernier->date());
}
