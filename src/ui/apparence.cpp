#include "ui/apparence.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

QPalette palette_tabrix()
{
    const QColor noir(0x10, 0x10, 0x10);
    const QColor blanc(Qt::white);
    const QColor fond(0xee, 0xee, 0xec);
    const QColor bouton(0xe4, 0xe4, 0xe1);
    const QColor grise(0x80, 0x80, 0x80);

    QPalette p(bouton, fond);
    p.setColor(QPalette::Window, fond);
    p.setColor(QPalette::WindowText, noir);
    p.setColor(QPalette::Base, blanc);
    p.setColor(QPalette::AlternateBase, QColor(0xf5, 0xf5, 0xf3));
    p.setColor(QPalette::Text, noir);
    p.setColor(QPalette::Button, bouton);
    p.setColor(QPalette::ButtonText, noir);
    p.setColor(QPalette::BrightText, blanc);
    p.setColor(QPalette::Light, blanc);
    p.setColor(QPalette::Midlight, QColor(0xf2, 0xf2, 0xf0));
    p.setColor(QPalette::Mid, QColor(0xb4, 0xb4, 0xb0));
    p.setColor(QPalette::Dark, QColor(0x9a, 0x9a, 0x96));
    p.setColor(QPalette::Shadow, QColor(0x55, 0x55, 0x55));
    p.setColor(QPalette::Highlight, QColor(0x1a, 0x4f, 0x8f));
    p.setColor(QPalette::HighlightedText, blanc);
    p.setColor(QPalette::Link, QColor(0x00, 0x3f, 0xbf));
    p.setColor(QPalette::LinkVisited, QColor(0x6a, 0x1b, 0x9a));
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    p.setColor(QPalette::ToolTipText, noir);
    p.setColor(QPalette::PlaceholderText, QColor(0x6e, 0x6e, 0x6e));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grise);
    p.setColor(QPalette::Disabled, QPalette::Base, fond);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    return p;
}

QFont police_tabrix()
{
    // In pixels: the panels are laid out in pixels, whatever font size or DPI the desktop asks for.
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(12);
    return police;
}

void applique_apparence(QApplication& application)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(style);
    const QPalette palette = palette_tabrix();
    const QFont police = police_tabrix();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    QApplication::setFont(police);
}
