#include "app/tident_libelle.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const int marge = 3; // room for the outline around the glyphs
}

LibelleContour::LibelleContour(const QString& texte, QWidget* parent)
    : QLabel(texte, parent)
    , m_haut(Qt::yellow)
    , m_bas(Qt::red)
{
    QFont f = font();
    f.setFamilies(
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(19);
    f.setBold(true);
    setFont(f);
    setAccessibleName(texte);
    resize(sizeHint());
}

void LibelleContour::fixe_degrade(const QColor& haut, const QColor& bas)
{
    m_haut = haut;
    m_bas = bas;
    update();
}

void LibelleContour::fixe_texte(const QString& texte)
{
    setText(texte);
    setAccessibleName(texte);
    resize(sizeHint());
}

QSize LibelleContour::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 2 * marge, fm.height() + 2 * marge};
}

void LibelleContour::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    QPainterPath chemin;
    chemin.addText(marge, marge + fm.ascent(), font(), text());
    QLinearGradient degrade(0, marge, 0, marge + fm.height());
    degrade.setColorAt(0.15, m_haut);
    degrade.setColorAt(0.85, m_bas);
    // Dark fills get a light outline, light fills a dark one, so both read on the tiled background.
    const QColor contour = m_bas.lightness() < 100 ? QColor(255, 255, 240) : QColor(40, 20, 0);
    p.setPen(QPen(contour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chemin);
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawPath(chemin);
}
