#include "app/graphique_jours_barre.h"

#include <QMouseEvent>
#include <QPainter>

GraphiqueJoursBarre::GraphiqueJoursBarre(int jour, int etiquette, const QColor& couleur, QWidget* parent)
    : QWidget(parent)
    , m_jour(jour)
    , m_etiquette(etiquette)
    , m_couleur(couleur)
{
    setCursor(Qt::PointingHandCursor);
}

void GraphiqueJoursBarre::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), m_couleur);
    peintre.setPen(Qt::black);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

void GraphiqueJoursBarre::mousePressEvent(QMouseEvent* evenement)
{
    Q_EMIT pressee(m_jour, evenement->button(), mapToParent(evenement->position().toPoint()));
}

void GraphiqueJoursBarre::mouseReleaseEvent(QMouseEvent*)
{
    Q_EMIT relachee(m_jour);
}
