#include "teacher/graphique_stats_eleves.h"

#include "storage/fichier_texte.h"
#include "teacher/regles_graphique_stats.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>

QFont police_graphique(int points, bool gras, bool italique)
{
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    f.setPointSize(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

QImage image_vierge(int largeur, int hauteur)
{
    QImage image(std::max(largeur, 1), std::max(hauteur, 1), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

QImage graphique_stats_eleves(const DonneesStats& d)
{
    const QFont texte = police_graphique(9);
    const QFont titre = police_graphique(12, true, true);
    QImage mesure = image_vierge(1, 1);
    const QFontMetrics mt(texte, &mesure);
    const QFontMetrics mtitre(titre, &mesure);
    const GeometrieStats g = geometrie_stats(
        d, [&](const QString& s) { return mt.horizontalAdvance(s); }, mtitre.horizontalAdvance(d.titre));

    QImage image = image_vierge(g.largeur, g.hauteur);
    QPainter p(&image);
    p.setFont(texte);
    const int haut_texte = mt.height();

    for (int k = 0; k < g.lignes; ++k) {
        const int y = g.y_graduation(k);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - haut_texte, g.marge_gauche, haut_texte), Qt::AlignRight | Qt::AlignBottom,
            QString::number(k * g.pas));
        p.setPen(Qt::blue);
        p.drawLine(0, y, g.largeur, y);
    }

    const int haut = std::max(d.haut, 1);
    for (int i = 0; i < d.barres.size(); ++i) {
        const QRect colonne(g.x_colonne(i), 0, g.largeur_colonne, g.hauteur);
        const QRect barre = g.barre(i, d.barres[i].second, haut);
        p.setPen(Qt::black);
        p.setBrush(Qt::yellow);
        p.drawRect(barre.adjusted(0, 0, -1, 0));
        p.drawText(QRect(colonne.left(), barre.top() - haut_texte - 1, colonne.width(), haut_texte),
            Qt::AlignHCenter | Qt::AlignBottom, QString::number(d.barres[i].second));
        p.drawText(QRect(colonne.left(), g.base() + 2, colonne.width(), haut_texte),
            Qt::AlignHCenter | Qt::AlignTop, d.barres[i].first);
    }

    p.setPen(Qt::red);
    p.drawText(QRect(0, g.hauteur - 20, g.largeur, haut_texte), Qt::AlignHCenter | Qt::AlignTop,
        QLatin1Char('(') + d.texte_eleves() + QLatin1Char(')'));
    p.setPen(Qt::black);
    p.setFont(titre);
    p.drawText(QRect(0, 12, g.largeur, mtitre.height()), Qt::AlignHCenter | Qt::AlignTop, d.titre);
    return image;
}

QString enregistre_png(const QImage& image, const QString& chemin)
{
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&tampon, "PNG"))
        return QStringLiteral("L'image n'a pas pu être composée.");
    if (const Ecriture e = ecrit_octets(chemin, png); !e)
        return QStringLiteral("%1 n'a pas pu être écrit. %2").arg(chemin, e.erreur);
    return {};
}
