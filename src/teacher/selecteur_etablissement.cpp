#include "teacher/selecteur_etablissement.h"

#include "teacher/regles_selecteurs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

SelecteurEtablissement::SelecteurEtablissement(
    const QString& nom_etablissements, const QString& nom_annees, bool avec_aucun, QWidget* parent)
    : QWidget(parent)
    , m_avec_aucun(avec_aucun)
{
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    auto* libelle = new QLabel(QStringLiteral("Etablissement:"));
    m_etablissements = new QComboBox;
    m_etablissements->setObjectName(nom_etablissements);
    m_etablissements->setAccessibleName(libelle->text());
    m_etablissements->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    libelle->setBuddy(m_etablissements);
    m_libelle_annees = new QLabel(QStringLiteral("Année scolaire:"));
    m_annees = new QComboBox;
    m_annees->setObjectName(nom_annees);
    m_annees->setAccessibleName(m_libelle_annees->text());
    m_annees->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_libelle_annees->setBuddy(m_annees);
    grille->addWidget(libelle, 0, 0);
    grille->addWidget(m_etablissements, 0, 1);
    grille->addWidget(m_libelle_annees, 1, 0);
    grille->addWidget(m_annees, 1, 1);
    grille->setColumnStretch(2, 1);

    connect(m_etablissements, &QComboBox::currentIndexChanged, this, [this] {
        ComboChange();
        Q_EMIT changement();
    });
    connect(m_annees, &QComboBox::currentIndexChanged, this, &SelecteurEtablissement::changement);
}

void SelecteurEtablissement::remplit(const QString& dossier_eleves, const QString& prefere)
{
    m_dossier_eleves = dossier_eleves;
    {
        const QSignalBlocker bloque(m_etablissements);
        m_etablissements->clear();
        m_etablissements->addItems(etablissements_proposes(dossier_eleves, m_avec_aucun));
        const int i = m_etablissements->findText(prefere);
        m_etablissements->setCurrentIndex(i >= 0 ? i : 0);
    }
    ComboChange();
    Q_EMIT changement();
}

void SelecteurEtablissement::ComboChange()
{
    const bool cache = aucun();
    m_annees->setVisible(!cache);
    m_libelle_annees->setVisible(!cache);
    const QSignalBlocker bloque(m_annees);
    m_annees->clear();
    if (cache)
        return;
    m_annees->addItems(annees_proposees(m_dossier_eleves, etablissement()));
    m_annees->setCurrentIndex(m_annees->count() - 1);
}

QString SelecteurEtablissement::etablissement() const
{
    return m_etablissements->currentText();
}

QString SelecteurEtablissement::annee() const
{
    return aucun() ? QString() : m_annees->currentText();
}

bool SelecteurEtablissement::aucun() const
{
    return m_avec_aucun && m_etablissements->currentText() == texte_aucun;
}
