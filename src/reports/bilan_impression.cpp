#include "reports/bilan_impression.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

QColor couleur(TeinteBilan t)
{
    switch (t) {
    case TeinteBilan::blanc:
        return Qt::white;
    case TeinteBilan::gris:
        return QColor(192, 192, 192);
    default:
        return Qt::black;
    }
}

// Fonts with the widths of Times New Roman and Arial, where those are not installed, so that texts that
// follow one another keep the page's layout.
QStringList familles_serif()
{
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
        QStringLiteral("Nimbus Roman"), QStringLiteral("Times")};
}

QStringList familles_sans()
{
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
        QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

// Sizes are points of a screen at 96 pixels per inch, where the page's unit is one pixel: a font sized in
// the device's own dots keeps that size on a printer too, before the page's scale applies.
QFont police(FamilleBilan famille, const MorceauBilan& m, const QPaintDevice* device)
{
    QFont f;
    f.setFamilies(famille == FamilleBilan::serif ? familles_serif() : familles_sans());
    f.setStyleHint(famille == FamilleBilan::serif ? QFont::Serif : QFont::SansSerif);
    const double pixels = std::round(m.taille * 4.0 / 3.0);
    f.setPointSizeF(pixels * 72.0 / (device ? device->logicalDpiY() : 96));
    f.setBold(m.gras);
    f.setItalic(m.italique);
    return f;
}

double largeur(const QPainter& p, FamilleBilan famille, const MorceauBilan& m)
{
    switch (m.sorte) {
    case MorceauBilan::Sorte::texte:
        return QFontMetricsF(police(famille, m, p.device()), p.device()).horizontalAdvance(m.texte);
    case MorceauBilan::Sorte::case_exemple:
        return 100;
    case MorceauBilan::Sorte::fleche:
        return 110;
    }
    return 0;
}

void texte(QPainter& p, const ElementBilan& e)
{
    double total = 0;
    for (const MorceauBilan& m : e.morceaux)
        total += largeur(p, e.famille, m);
    double x = e.x1;
    if (e.alignement == AlignementBilan::centre)
        x -= total / 2;
    else if (e.alignement == AlignementBilan::droite)
        x -= total;
    const double haut = e.y1;

    for (const MorceauBilan& m : e.morceaux) {
        const double l = largeur(p, e.famille, m);
        switch (m.sorte) {
        case MorceauBilan::Sorte::texte: {
            const QFont f = police(e.famille, m, p.device());
            const QFontMetricsF fm(f, p.device());
            if (m.fond_opaque)
                p.fillRect(QRectF(x, haut, l, fm.height()), couleur(m.teinte));
            if (m.encadre) {
                p.setPen(QPen(Qt::black, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(x - 10, haut + fm.ascent() - fm.capHeight() - 12, l + 20,
                    fm.capHeight() + 12 + fm.descent() + 4));
            }
            p.setFont(f);
            p.setPen(couleur(e.teinte));
            p.drawText(QPointF(x, haut + fm.ascent()), m.texte);
            break;
        }
        case MorceauBilan::Sorte::case_exemple:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(couleur(m.teinte));
            p.drawRect(QRectF(x + 20, haut + 10, 80, 40));
            p.setBrush(Qt::NoBrush);
            break;
        case MorceauBilan::Sorte::fleche: {
            MorceauBilan repere;
            repere.taille = m.taille;
            const QFontMetricsF fm(police(e.famille, repere, p.device()), p.device());
            const double milieu = haut + fm.ascent() - 0.3 * fm.capHeight() * 4 / 3;
            p.setPen(QPen(Qt::black, 2));
            p.drawLine(QPointF(x + 15, milieu), QPointF(x + 95, milieu));
            p.drawLine(QPointF(x + 95, milieu), QPointF(x + 80, milieu - 10));
            p.drawLine(QPointF(x + 95, milieu), QPointF(x + 80, milieu + 10));
            break;
        }
        }
        x += l;
    }
}

} // namespace

void dessine_page_bilan(QPainter& p, const QVector<ElementBilan>& elements)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRectF(0, 0, largeur_page_bilan, hauteur_page_bilan), Qt::white);
    for (const ElementBilan& e : elements) {
        switch (e.sorte) {
        case ElementBilan::Sorte::ligne:
            p.setPen(QPen(Qt::black, e.epaisseur));
            p.drawLine(e.x1, e.y1, e.x2, e.y2);
            break;
        case ElementBilan::Sorte::rectangle:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(e.x1, e.y1, e.x2 - e.x1, e.y2 - e.y1));
            break;
        case ElementBilan::Sorte::rectangle_plein:
            p.fillRect(QRectF(e.x1, e.y1, e.x2 - e.x1, e.y2 - e.y1), couleur(e.teinte));
            break;
        case ElementBilan::Sorte::texte:
            texte(p, e);
            break;
        }
    }
    p.restore();
}

void dessine_pied_bilan(QPainter& p)
{
    p.save();
    QFont f;
    f.setFamilies(familles_sans());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(22 * 72.0 / p.device()->logicalDpiY());
    f.setItalic(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, largeur_pied_bilan, hauteur_pied_bilan), Qt::AlignRight | Qt::AlignVCenter,
        pied_de_page_bilan());
    p.restore();
}

QImage image_bilan(const DonneesBilan& donnees, int largeur)
{
    const double echelle = static_cast<double>(largeur) / largeur_page_bilan;
    QImage image(largeur, static_cast<int>(std::lround(hauteur_page_bilan * echelle)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(echelle, echelle);
    dessine_page_bilan(p, compose_page_bilan(calcule_contenu_bilan(donnees), SupportBilan::impression));
    return image;
}

bool imprime_bilans(QPrinter& imprimante, const QVector<DonneesBilan>& bilans)
{
    if (bilans.isEmpty())
        return true;
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    const double pw = p.device()->width();
    const double ph = p.device()->height();
    // The footer strip takes 55/100 of the width; the bottom band is made tall enough to hold it.
    const double echelle_pied = 0.55 * pw / largeur_pied_bilan;
    const double bande = std::max(100.0, std::ceil(hauteur_pied_bilan * echelle_pied) + 5);
    double echelle = 0.9 * pw / largeur_page_bilan;
    // On a landscape page the width rule would push the page off the paper: fit the height instead.
    echelle = std::min(echelle, 0.98 * (ph - bande) / hauteur_page_bilan);

    for (int i = 0; i < bilans.size(); ++i) {
        if (i > 0)
            imprimante.newPage();
        p.resetTransform();
        p.setPen(QPen(Qt::black, std::max(1.0, pw / 2000)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0, 1, pw - 1, ph - bande - 1));

        p.save();
        p.translate((pw - largeur_page_bilan * echelle) / 2, (ph - bande - hauteur_page_bilan * echelle) / 2);
        p.scale(echelle, echelle);
        dessine_page_bilan(p, compose_page_bilan(calcule_contenu_bilan(bilans[i]), SupportBilan::impression));
        p.restore();

        p.save();
        p.translate(pw - largeur_pied_bilan * echelle_pied, ph - bande + 5);
        p.scale(echelle_pied, echelle_pied);
        dessine_pied_bilan(p);
        p.restore();
    }
    return p.end();
}

bool imprime_bilan(QPrinter& imprimante, const DonneesBilan& donnees)
{
    return imprime_bilans(imprimante, QVector<DonneesBilan> {donnees});
}
