#include "app/graphique_jours_barre.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

GraphiqueJoursBarre::GraphiqueJoursBarre(int jour, int etiquette, const QColor& couleur, QWidget* parent)
    : QWidget(parent)
    , m_jour(jour)
    , m_etiquette(etiquette)
    , m_couleur(couleur)
{
    setCursor(Qt::PointingHandCursor);
    // From the keyboard too: Space or Enter held shows the test, the menu key opens the print menu.
    setFocusPolicy(Qt::TabFocus);
}

void GraphiqueJoursBarre::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), m_couleur);
    peintre.setPen(Qt::black);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        peintre.setPen(QPen(QColor(48, 96, 192), 2, Qt::DashLine));
        peintre.drawRect(rect().adjusted(2, 2, -2, -2));
    }
}

namespace {

bool touche_de_clic(const QKeyEvent* evenement)
{
    const int t = evenement->key();
    return !evenement->isAutoRepeat() && (t == Qt::Key_Space || t == Qt::Key_Return || t == Qt::Key_Enter);
}

} // namespace

void GraphiqueJoursBarre::keyPressEvent(QKeyEvent* evenement)
{
    const QPoint centre = geometry().center();
    if (touche_de_clic(evenement))
        Q_EMIT pressee(m_jour, Qt::LeftButton, centre);
    else if (evenement->key() == Qt::Key_Menu
        || (evenement->key() == Qt::Key_F10 && evenement->modifiers() == Qt::ShiftModifier))
        Q_EMIT pressee(m_jour, Qt::RightButton, centre);
    else
        QWidget::keyPressEvent(evenement);
}

void GraphiqueJoursBarre::keyReleaseEvent(QKeyEvent* evenement)
{
    if (touche_de_clic(evenement))
        Q_EMIT relachee(m_jour);
    else
        QWidget::keyReleaseEvent(evenement);
}

void GraphiqueJoursBarre::focusOutEvent(QFocusEvent* evenement)
{
    QWidget::focusOutEvent(evenement);
    Q_EMIT relachee(m_jour); // the test's picture never stays behind the focus
}

void GraphiqueJoursBarre::mousePressEvent(QMouseEvent* evenement)
{
    Q_EMIT pressee(m_jour, evenement->button(), mapToParent(evenement->position().toPoint()));
}

void GraphiqueJoursBarre::mouseReleaseEvent(QMouseEvent*)
{
    Q_EMIT relachee(m_jour);
}
