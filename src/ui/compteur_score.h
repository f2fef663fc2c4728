#pragma once

#include <QPixmap>
#include <QWidget>

class AfficheurLed;

// The score meter of the perfecting drill: a gauge that rises one segment every two points from 0 to 100,
// a two-digit screen, and at 100 a banner that scrolls across the screen.
class CompteurScore : public QWidget
{
    Q_OBJECT
public:
    static constexpr int pas_banderole = 3; // pixels per tick
    static constexpr int periode_banderole = 105;

    explicit CompteurScore(QWidget* parent = nullptr);

    void affiche_score(int score);
    int score() const { return m_score; }
    bool banderole_active() const { return m_score >= 100; }
    // One tick of the banner: it moves 3 pixels, wrapping every 105.
    void defile();
    int decalage() const { return m_decalage; }

    // Top of the lit part of the gauge for a score of 0 to 100 (440 at 0, 50 at 100).
    static int hauteur_jauge(int score);
    QSize sizeHint() const override { return {87, 450}; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    int m_score = 0;
    int m_decalage = 0;
    AfficheurLed* m_ecran;
    QPixmap m_allumee;
    QPixmap m_eteinte;
    QPixmap m_vert_fonce;
    QPixmap m_banderole;
};
