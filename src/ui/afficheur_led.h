#pragma once

#include <QWidget>

// Two seven-segment digits on black, as on a stopwatch.
class AfficheurLed : public QWidget
{
    Q_OBJECT
public:
    explicit AfficheurLed(QWidget* parent = nullptr);

    void affiche(int valeur); // 0 to 99; larger values show their last two digits
    int valeur() const { return m_valeur; }
    QSize sizeHint() const override { return {64, 44}; }

    // The segments lit for a digit, bit 0 = a (top) … bit 6 = g (middle).
    static int segments(int chiffre);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    void dessine_chiffre(class QPainter& p, const QRectF& cadre, int chiffre) const;

    int m_valeur = 0;
};
