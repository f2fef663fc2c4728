#include "learning/dessins_apprentissage.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

QColor fond_niveau(NiveauItem niveau)
{
    switch (niveau) {
    case NiveauItem::vert:
        return QColor(128, 255, 0);
    case NiveauItem::orange:
        return QColor(255, 128, 0);
    default:
        return QColor(255, 0, 0);
    }
}

QColor texte_niveau(NiveauItem niveau)
{
    return niveau == NiveauItem::vert ? QColor(0, 0, 255) : QColor(255, 255, 0);
}

QPixmap feu(NiveauItem niveau)
{
    QPixmap image(11, 29);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(50, 50, 50));
    p.drawRoundedRect(QRectF(0.5, 0.5, 10, 28), 3, 3);
    const QColor allumees[] = {QColor(255, 0, 0), QColor(255, 160, 0), QColor(0, 230, 0)};
    const int allumee = niveau == NiveauItem::rouge ? 0 : niveau == NiveauItem::orange ? 1 : 2;
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i == allumee ? allumees[i] : allumees[i].darker(350));
        p.drawEllipse(QRectF(2, 2 + 9 * i, 7, 7));
    }
    return image;
}

QPixmap batons(qint64 serie)
{
    const int n = int(std::clamp<qint64>(serie, 0, 5));
    QPixmap image(23, 23);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int i = 0; i < 5; ++i) {
        const int hauteur = 6 + 4 * i;
        const QRect barre(1 + 4 * i + i / 2, 22 - hauteur, 3, hauteur);
        p.fillRect(barre, i < n ? QColor(0, 0, 160) : QColor(200, 200, 200));
    }
    return image;
}

QPixmap icone(IconeItem icone)
{
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    if (icone == IconeItem::aucune)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (icone == IconeItem::ok) {
        p.setPen(QPen(QColor(0, 150, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath coche;
        coche.moveTo(2.5, 8.5);
        coche.lineTo(6.5, 12.5);
        coche.lineTo(13.5, 3.5);
        p.drawPath(coche);
    } else {
        p.setPen(QPen(QColor(220, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
    }
    return image;
}
