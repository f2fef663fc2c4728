#include "ui/etiquette_tournee.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

// Read as text, not as a picture, by screen readers.
QAccessibleInterface* interface_texte(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("EtiquetteTournee") && objet && objet->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::StaticText);
    return nullptr;
}

} // namespace

EtiquetteTournee::EtiquetteTournee(const QString& texte, QWidget* parent)
    : QWidget(parent)
    , m_texte(texte)
{
    static const bool fabrique_installee = (QAccessible::installFactory(interface_texte), true);
    Q_UNUSED(fabrique_installee);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(texte);
}

void EtiquetteTournee::fixe_texte(const QString& texte)
{
    m_texte = texte;
    setAccessibleName(texte);
    update();
}

void EtiquetteTournee::fixe_angle(double degres)
{
    m_angle = degres;
    update();
}

void EtiquetteTournee::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::TextAntialiasing);
    peintre.setFont(font());
    peintre.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics mesure(font());
    // The text runs along the diagonal and ends near the top-right corner, pointing at what stands above it.
    const double longueur = mesure.horizontalAdvance(m_texte);
    const double marge = mesure.ascent() / 2.0 + 1;
    peintre.translate(width(), 0);
    peintre.rotate(-m_angle);
    peintre.drawText(QPointF(-longueur - marge, (mesure.ascent() - mesure.descent()) / 2.0), m_texte);
}
