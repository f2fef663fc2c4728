#include "app/tgeneral_bulles.h"

#include "seance/demarrage.h"
#include "ui/bulle_aide.h"

#include <QApplication>
#include <QHelpEvent>
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
            BulleAide::montre(aide->globalPos(), widget->toolTip(), widget, delais_bulles.masquage);
            return true;
        }
    }
    return QProxyStyle::eventFilter(objet, evenement);
}
