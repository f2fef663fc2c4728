#include "app/tgeneral_bulles.h"

#include "app/logique/demarrage.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

TgeneralBulles::TgeneralBulles()
    : QProxyStyle()
{
}

void TgeneralBulles::installe()
{
    auto* style = new TgeneralBulles;
    QApplication::setStyle(style);
    qApp->installEventFilter(style);
    qApp->setStyleSheet(qApp->styleSheet()
        + QStringLiteral("QToolTip { font-family: 'Comic Sans MS'; font-style: italic; font-size: 10pt;"
                         " color: black; background-color: #fffbe6; border: 2px solid #800000;"
                         " border-radius: 8px; padding: 4px; }"));
}

int TgeneralBulles::styleHint(
    StyleHint indice, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* retour) const
{
    if (indice == SH_ToolTip_WakeUpDelay)
        return delais_bulles.avant;
    if (indice == SH_ToolTip_FallAsleepDelay)
        return delais_bulles.entre;
    return QProxyStyle::styleHint(indice, option, widget, retour);
}

bool TgeneralBulles::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(objet);
        if (widget && !widget->toolTip().isEmpty()) {
            const auto* aide = static_cast<QHelpEvent*>(evenement);
            QToolTip::showText(aide->globalPos(), widget->toolTip(), widget, QRect(), delais_bulles.masquage);
            return true;
        }
    }
    return QProxyStyle::eventFilter(objet, evenement);
}
