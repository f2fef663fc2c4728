#include "ui/fond_motif.h"

#include <QPainter>

FondMotif::FondMotif(QWidget* parent)
    : QWidget(parent)
    , m_motif(motif())
{
}

QPixmap FondMotif::motif()
{
    QPixmap tuile(64, 64);
    tuile.fill(QColor(222, 234, 250));
    QPainter peintre(&tuile);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(210, 224, 246));
    peintre.drawRect(0, 0, 32, 32);
    peintre.drawRect(32, 32, 32, 32);
    QPen trait(QColor(188, 206, 238), 2);
    peintre.setPen(trait);
    // A faint "×" in two of the four squares.
    for (const QPoint& centre : {QPoint(16, 16), QPoint(48, 48)}) {
        peintre.drawLine(centre + QPoint(-4, -4), centre + QPoint(4, 4));
        peintre.drawLine(centre + QPoint(-4, 4), centre + QPoint(4, -4));
    }
    return tuile;
}

void FondMotif::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.drawTiledPixmap(rect(), m_motif);
}
