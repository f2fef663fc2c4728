#include "ui/afficheur_led.h"

#include <QPainter>
#include <QPolygonF>

AfficheurLed::AfficheurLed(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(40, 28);
    setAccessibleName(QStringLiteral("Secondes"));
    setAccessibleDescription(QString::number(m_valeur));
}

void AfficheurLed::affiche(int valeur)
{
    valeur = qAbs(valeur) % 100;
    if (valeur == m_valeur)
        return;
    m_valeur = valeur;
    setAccessibleDescription(QString::number(valeur));
    update();
}

int AfficheurLed::segments(int chiffre)
{
    static const int table[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    return table[qBound(0, chiffre, 9)];
}

void AfficheurLed::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::black);
    const qreal marge = height() * 0.12;
    const qreal largeur = (width() - 3 * marge) / 2;
    const qreal hauteur = height() - 2 * marge;
    dessine_chiffre(p, QRectF(marge, marge, largeur, hauteur), m_valeur / 10);
    dessine_chiffre(p, QRectF(2 * marge + largeur, marge, largeur, hauteur), m_valeur % 10);
}

void AfficheurLed::dessine_chiffre(QPainter& p, const QRectF& c, int chiffre) const
{
    const qreal e = qMax<qreal>(2, c.width() * 0.16); // segment thickness
    const qreal x0 = c.left(), x1 = c.right(), y0 = c.top(), ym = c.center().y(), y1 = c.bottom();
    auto horizontal = [&](qreal y) {
        return QPolygonF({{x0 + e / 2, y}, {x0 + e, y - e / 2}, {x1 - e, y - e / 2}, {x1 - e / 2, y},
            {x1 - e, y + e / 2}, {x0 + e, y + e / 2}});
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        return QPolygonF({{x, ya + e / 2}, {x + e / 2, ya + e}, {x + e / 2, yb - e}, {x, yb - e / 2},
            {x - e / 2, yb - e}, {x - e / 2, ya + e}});
    };
    const QPolygonF formes[7] = {
        horizontal(y0 + e / 2),
        vertical(x1 - e / 2, y0, ym),
        vertical(x1 - e / 2, ym, y1),
        horizontal(y1 - e / 2),
        vertical(x0 + e / 2, ym, y1),
        vertical(x0 + e / 2, y0, ym),
        horizontal(ym),
    };
    const int allumes = segments(chiffre);
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((allumes >> s) & 1 ? QColor(255, 40, 40) : QColor(45, 0, 0));
        p.drawPolygon(formes[s]);
    }
}
