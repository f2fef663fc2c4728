#pragma once

#include <QProxyStyle>

// Hint balloons of the program: quick to show (100 ms), 50 ms from one to the next, hidden after 2 s,
// italic rounded text with a maroon border.
class TgeneralBulles : public QProxyStyle
{
    Q_OBJECT
public:
    static constexpr int delai_apparition_ms = 100;
    static constexpr int delai_entre_bulles_ms = 50;
    static constexpr int duree_affichage_ms = 2000;

    TgeneralBulles();

    // Installs the style, the balloon look and the display time on the application.
    static void installe();

    int styleHint(StyleHint indice, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
        QStyleHintReturn* retour = nullptr) const override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
