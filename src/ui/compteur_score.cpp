#include "ui/compteur_score.h"

#include "ui/afficheur_led.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int gauche_jauge = 21;
constexpr int largeur_jauge = 44;
constexpr int haut_jauge = 50;
constexpr int bas_jauge = 440;
const QRect ecran(10, 10, 67, 28);
const QRect fenetre_banderole(10, 13, 67, 22);

enum class Teinte
{
    allumee,
    eteinte,
    vert_fonce
};

QColor couleur_segment(Teinte teinte, int y)
{
    switch (teinte) {
    case Teinte::eteinte:
        return QColor(70, 74, 80);
    case Teinte::vert_fonce:
        return QColor(0, 100, 0);
    case Teinte::allumee:
        break;
    }
    // Red at the bottom, through yellow, to bright green at the top.
    const double t = double(bas_jauge - y) / (bas_jauge - haut_jauge);
    return QColor::fromHsvF(qBound(0.0, t * 0.36, 0.36), 0.95, 1.0);
}

// The gauge in one of its three looks: thin segments, and a wide landmark at 25, 50, 75 and 100.
QPixmap dessine_jauge(Teinte teinte)
{
    QPixmap image(87, 450);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    for (int s = 1; s <= 100; ++s) {
        const int haut = CompteurScore::hauteur_jauge(s);
        const int bas = CompteurScore::hauteur_jauge(s - 1);
        if (haut == bas)
            continue;
        const QRectF segment(gauche_jauge + 1, haut + 1, largeur_jauge - 2, bas - haut - 2);
        const QColor c = couleur_segment(teinte, haut);
        QPainterPath chemin;
        chemin.addRoundedRect(segment, 2, 2);
        p.fillPath(chemin, c);
        if (bas - haut > 10) {
            p.setPen(teinte == Teinte::allumee ? QColor(20, 20, 20) : QColor(200, 200, 200));
            p.drawText(segment, Qt::AlignCenter, QString::number(s));
        }
    }
    return image;
}

QPixmap dessine_banderole()
{
    // Two periods and a screen's width, so that any 67-pixel window of it is filled.
    QPixmap image(
        CompteurScore::periode_banderole * 2 + fenetre_banderole.width(), fenetre_banderole.height());
    image.fill(Qt::black);
    QPainter p(&image);
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 220, 0));
    for (int x = 0; x < image.width(); x += CompteurScore::periode_banderole)
        p.drawText(QRect(x, 0, CompteurScore::periode_banderole, image.height()), Qt::AlignCenter,
            QStringLiteral("★ 100 ★"));
    return image;
}

} // namespace

CompteurScore::CompteurScore(QWidget* parent)
    : QWidget(parent)
    , m_ecran(new AfficheurLed(this))
    , m_allumee(dessine_jauge(Teinte::allumee))
    , m_eteinte(dessine_jauge(Teinte::eteinte))
    , m_vert_fonce(dessine_jauge(Teinte::vert_fonce))
    , m_banderole(dessine_banderole())
{
    setFixedSize(sizeHint());
    m_ecran->setGeometry(23, 11, 40, 26);
    m_ecran->setAccessibleName(QStringLiteral("Score"));
    setAccessibleName(QStringLiteral("Score"));
    affiche_score(0);
}

int CompteurScore::hauteur_jauge(int score)
{
    static const short y[101] = {440, 431, 431, 425, 425, 419, 419, 413, 413, 406, 406, 400, 400, 393, 393,
        387, 387, 381, 381, 375, 375, 369, 369, 362, 362, 341, 335, 335, 329, 329, 323, 323, 316, 316, 310,
        310, 303, 303, 297, 297, 291, 291, 284, 284, 278, 278, 272, 272, 266, 266, 245, 239, 239, 232, 232,
        226, 226, 219, 219, 213, 213, 207, 207, 201, 201, 194, 194, 188, 188, 182, 182, 176, 176, 169, 169,
        148, 142, 142, 136, 136, 130, 130, 123, 123, 116, 116, 110, 110, 104, 104, 98, 98, 92, 92, 85, 85, 79,
        79, 73, 73, 50};
    return y[qBound(0, score, 100)];
}

void CompteurScore::affiche_score(int score)
{
    m_score = qBound(0, score, 100);
    m_ecran->affiche(m_score);
    m_ecran->setVisible(m_score < 100);
    setAccessibleDescription(QString::number(m_score));
    update();
}

void CompteurScore::defile()
{
    m_decalage = (m_decalage + pas_banderole) % periode_banderole;
    update();
}

void CompteurScore::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cadre;
    cadre.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(cadre, QColor(35, 45, 70));
    p.setPen(QColor(120, 140, 190));
    p.drawPath(cadre);
    p.fillRect(ecran, Qt::black);

    p.drawPixmap(0, 0, m_allumee);
    if (m_score < 100) {
        const int s = m_score;
        // The half-reached segment is dark green; a landmark is reached at once.
        if (s % 25 != 0) {
            const int y = hauteur_jauge(s - 1);
            p.drawPixmap(QRect(0, haut_jauge, width(), y - haut_jauge), m_vert_fonce,
                QRect(0, haut_jauge, width(), y - haut_jauge));
        }
        const int y = hauteur_jauge(s);
        p.drawPixmap(QRect(0, haut_jauge, width(), y - haut_jauge), m_eteinte,
            QRect(0, haut_jauge, width(), y - haut_jauge));
        return;
    }
    p.drawPixmap(fenetre_banderole, m_banderole,
        QRect(m_decalage, 0, fenetre_banderole.width(), fenetre_banderole.height()));
}
