#include "ui/bulle_aide.h"

#include <QBitmap>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr int marge = 12;
BulleAide* bulle = nullptr;

} // namespace

BulleAide::BulleAide()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("bulle_aide"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setItalic(true);
    police.setPointSize(10);
    setFont(police);
    m_masquage.setSingleShot(true);
    connect(&m_masquage, &QTimer::timeout, this, &BulleAide::hide);
}

BulleAide* BulleAide::instance()
{
    return bulle && bulle->isVisible() ? bulle : nullptr;
}

void BulleAide::montre(const QPoint& position, const QString& texte, QWidget* widget, int masquage_ms)
{
    if (!bulle)
        bulle = new BulleAide;
    if (bulle->m_widget)
        bulle->m_widget->removeEventFilter(bulle);
    bulle->m_widget = widget;
    if (widget)
        widget->installEventFilter(bulle);
    bulle->prepare(texte);
    // Kept on the screen of the point, the balloon below and right of the pointer.
    QPoint coin = position + QPoint(8, 16);
    if (const QScreen* ecran = QGuiApplication::screenAt(position)) {
        const QRect dispo = ecran->availableGeometry();
        coin.setX(qBound(dispo.left(), coin.x(), qMax(dispo.left(), dispo.right() - bulle->width())));
        if (coin.y() + bulle->height() > dispo.bottom())
            coin.setY(position.y() - bulle->height() - 4);
    }
    bulle->move(coin);
    bulle->show();
    bulle->raise();
    bulle->update();
    bulle->m_masquage.start(masquage_ms);
}

void BulleAide::cache()
{
    if (bulle)
        bulle->hide();
}

void BulleAide::prepare(const QString& texte)
{
    m_texte = texte;
    const QRect texte_place = fontMetrics().boundingRect(
        QRect(0, 0, largeur - 2 * marge - ombre, 10000), Qt::AlignLeft | Qt::TextWordWrap, texte);
    setFixedSize(largeur, qMax(2 * rayon, texte_place.height() + 2 * marge) + ombre);
    setAccessibleName(texte);
    // Without a compositor a translucent window shows black corners: the shape is cut out instead.
    QBitmap masque(size());
    masque.fill(Qt::color0);
    QPainter p(&masque);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    const QRect corps(0, 0, width() - ombre, height() - ombre);
    p.drawRoundedRect(corps, rayon, rayon);
    p.drawRoundedRect(corps.translated(ombre, ombre), rayon, rayon);
    p.end();
    setMask(masque);
}

QRect BulleAide::zone_texte() const
{
    return QRect(marge, marge, width() - ombre - 2 * marge, height() - ombre - 2 * marge);
}

void BulleAide::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF corps(0.5, 0.5, width() - ombre - 1, height() - ombre - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 0, 0));
    p.drawRoundedRect(corps.translated(ombre, ombre), rayon, rayon);
    p.setBrush(QColor(255, 251, 230));
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.drawRoundedRect(corps, rayon, rayon);
    p.setPen(Qt::black);
    p.drawText(zone_texte(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_texte);
}

bool BulleAide::eventFilter(QObject* objet, QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate:
        hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, evenement);
}
