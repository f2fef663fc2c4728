#include "ui/fenetre_activite.h"

#include "core/plateforme.h"
#include "ui/fond_motif.h"

#include <QKeyEvent>
#include <QPushButton>

FenetreActivite::FenetreActivite(
    Plateforme& plateforme, std::function<void()> restaure_verrous, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_plateforme(plateforme)
    , m_restaure_verrous(std::move(restaure_verrous))
    , m_fond(new FondMotif(this))
    , m_plateau(new QWidget(m_fond))
{
    m_plateau->setObjectName(QStringLiteral("plateau"));
    m_plateau->resize(800, 600);
    place_plateau();
}

void FenetreActivite::place_plateau()
{
    m_fond->setGeometry(rect());
    m_plateau->move(
        qMax(0, (width() - m_plateau->width()) / 2), qMax(0, (height() - m_plateau->height()) / 2));
}

void FenetreActivite::allume_verrous()
{
    if (!m_plateforme.verrouillage_numerique())
        m_plateforme.fixe_verrouillage_numerique(true);
    if (!m_plateforme.verrouillage_majuscules())
        m_plateforme.fixe_verrouillage_majuscules(true);
    m_verrous_forces = true;
}

void FenetreActivite::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (!evenement->spontaneous())
        allume_verrous();
}

void FenetreActivite::hideEvent(QHideEvent* evenement)
{
    QWidget::hideEvent(evenement);
    if (evenement->spontaneous() || !m_verrous_forces)
        return;
    m_verrous_forces = false;
    if (m_restaure_verrous)
        m_restaure_verrous();
}

void FenetreActivite::keyReleaseEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_NumLock || evenement->key() == Qt::Key_CapsLock)
        allume_verrous();
    QWidget::keyReleaseEvent(evenement);
}

void FenetreActivite::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    place_plateau();
}

QFont police_activite(int points, bool gras)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    f.setPointSize(points);
    f.setBold(gras);
    return f;
}

QPushButton* bouton_activite(QWidget* parent, const char* nom, const QString& libelle, const QRect& zone)
{
    auto* b = new QPushButton(libelle, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAccessibleName(libelle.trimmed());
    b->setGeometry(zone);
    b->setFont(police_activite(10));
    return b;
}
