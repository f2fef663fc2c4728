#pragma once

#include <QProxyStyle>

// Hint balloons of the program (BulleAide), with the delays of delais_bulles.
class TgeneralBulles : public QProxyStyle
{
    Q_OBJECT
public:
    TgeneralBulles();

    // Installs the style and the balloons on the application.
    static void installe();

    int styleHint(StyleHint indice, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
        QStyleHintReturn* retour = nullptr) const override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
