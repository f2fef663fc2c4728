#include "seance/fenetre_activite.h"

#include "core/dates.h"
#include "core/horloge.h"
#include "core/plateforme.h"
#include "seance/session.h"
#include "ui/fond_motif.h"

#include <QKeyEvent>

FenetreActivite::FenetreActivite(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_horloge(horloge)
    , m_hasard(graine)
    , m_fond(new FondMotif(this))
    , m_plateau(new QWidget(m_fond))
{
    m_plateau->setObjectName(QStringLiteral("plateau"));
    m_plateau->resize(800, 600);
    place_plateau();
}

qint64 FenetreActivite::maintenant() const
{
    return m_horloge.maintenant_ms();
}

QString FenetreActivite::heure() const
{
    return heure_texte(m_horloge.date_heure().time());
}

void FenetreActivite::place_plateau()
{
    m_fond->setGeometry(rect());
    m_plateau->move(
        qMax(0, (width() - m_plateau->width()) / 2), qMax(0, (height() - m_plateau->height()) / 2));
}

void FenetreActivite::allume_verrous()
{
    Plateforme& plateforme = m_session.plateforme();
    if (!plateforme.verrouillage_numerique())
        plateforme.fixe_verrouillage_numerique(true);
    if (!plateforme.verrouillage_majuscules())
        plateforme.fixe_verrouillage_majuscules(true);
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
    m_session.restaure_verrous_clavier();
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
