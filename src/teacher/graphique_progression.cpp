#include "teacher/graphique_progression.h"

#include "core/faits.h"
#include "teacher/graphique_stats_eleves.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <optional>

namespace {

constexpr int gauche = 44, droite = 48, haut = 34, bas = 34;

const QStringList mois {QStringLiteral("sept."), QStringLiteral("oct."), QStringLiteral("nov."),
    QStringLiteral("déc."), QStringLiteral("janv."), QStringLiteral("févr."), QStringLiteral("mars"),
    QStringLiteral("avr."), QStringLiteral("mai"), QStringLiteral("juin"), QStringLiteral("juil."),
    QStringLiteral("août")};

// The plotting area of a school year: a day becomes an abscissa, a score an ordinate.
struct Cadre
{
    QRect zone;
    QDate debut;
    QDate fin;

    int x(const QDate& jour) const
    {
        const double part = double(debut.daysTo(jour)) / std::max<qint64>(1, debut.daysTo(fin));
        return zone.left() + int(part * zone.width());
    }
    int y(double score) const { return zone.bottom() - int(score * zone.height() / 100.0); }
};

// The six score bands, pale, behind everything; the score scale on the left; the months below.
void fond(QPainter& p, const Cadre& c, const QString& titre)
{
    const int bornes[] = {0, 50, 70, 85, 95, 100, 101};
    for (int b = 0; b < 6; ++b) {
        QColor teinte = QColor::fromRgb(couleur_bande(static_cast<Bande>(b)));
        teinte.setAlpha(60);
        const int y1 = c.y(std::min(bornes[b + 1], 100)), y0 = c.y(bornes[b]);
        p.fillRect(QRect(c.zone.left(), y1, c.zone.width(), std::max(2, y0 - y1)), teinte);
    }
    p.setPen(Qt::black);
    p.setFont(police_graphique(8));
    const QFontMetrics m(p.font());
    for (int s = 0; s <= 100; s += 25) {
        p.drawLine(c.zone.left() - 4, c.y(s), c.zone.left(), c.y(s));
        p.drawText(QRect(0, c.y(s) - m.height() / 2, c.zone.left() - 6, m.height()),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(s));
    }
    for (int i = 0; i < 12; ++i) {
        const QDate premier(c.debut.year() + (i >= 4 ? 1 : 0), (8 + i) % 12 + 1, 1);
        const QDate suivant = premier.addMonths(1);
        const int x0 = c.x(std::max(premier, c.debut)), x1 = c.x(std::min(suivant, c.fin));
        p.drawLine(x0, c.zone.bottom(), x0, c.zone.bottom() + 4);
        p.drawText(QRect(x0, c.zone.bottom() + 4, x1 - x0, m.height()), Qt::AlignCenter, mois[i]);
    }
    p.drawRect(c.zone);
    p.setFont(police_graphique(10, true));
    p.drawText(QRect(0, 4, c.zone.right() + droite, haut - 8), Qt::AlignCenter, titre);
}

// Consecutive points joined; a missing value (nullopt) breaks the line.
void courbe(
    QPainter& p, const QVector<std::optional<QPoint>>& points, const QColor& couleur, Qt::PenStyle style)
{
    p.setPen(QPen(couleur, 2, style));
    for (int i = 1; i < points.size(); ++i)
        if (points[i - 1] && points[i])
            p.drawLine(*points[i - 1], *points[i]);
    p.setBrush(couleur);
    p.setPen(Qt::NoPen);
    for (const auto& pt : points)
        if (pt)
            p.drawEllipse(*pt, 3, 3);
    p.setBrush(Qt::NoBrush);
}

Cadre cadre_de_l_annee(const QString& annee, int largeur, int hauteur)
{
    Cadre c;
    c.zone = QRect(gauche, haut, largeur - gauche - droite, hauteur - haut - bas);
    c.debut = QDate(annee.left(4).toInt(), 9, 1);
    c.fin = QDate(annee.left(4).toInt() + 1, 8, 31);
    return c;
}

} // namespace

QImage graphique_progression_eleve(const QVector<PointProgression>& points, const QString& annee)
{
    QImage image = image_vierge(560, 260);
    const Cadre c = cadre_de_l_annee(annee, image.width(), image.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fond(p, c, QStringLiteral("Progression de l'année %1").arg(annee));

    int vitesse_max = 10;
    for (const PointProgression& pt : points)
        if (annee_scolaire_de(pt.jour) == annee)
            vitesse_max = std::max(vitesse_max, (pt.vitesse + 9) / 10 * 10);
    QVector<std::optional<QPoint>> scores, vitesses;
    for (const PointProgression& pt : points) {
        if (annee_scolaire_de(pt.jour) != annee)
            continue;
        const int x = c.x(pt.jour);
        scores << (pt.score >= 0 ? std::optional<QPoint>(QPoint(x, c.y(pt.score))) : std::nullopt);
        vitesses << std::optional<QPoint>(QPoint(x, c.y(100.0 * pt.vitesse / vitesse_max)));
    }
    courbe(p, vitesses, QColor(90, 90, 90), Qt::DashLine);
    courbe(p, scores, QColor(0, 0, 192), Qt::SolidLine);

    // The speed scale on the right, in the speed line's grey.
    p.setPen(QColor(90, 90, 90));
    p.setFont(police_graphique(8));
    const QFontMetrics m(p.font());
    for (int k = 0; k <= 4; ++k) {
        const int y = c.y(25.0 * k);
        p.drawText(QRect(c.zone.right() + 4, y - m.height() / 2, droite - 4, m.height()),
            Qt::AlignLeft | Qt::AlignVCenter, QString::number(vitesse_max * k / 4));
    }
    p.drawText(QRect(c.zone.right() - 200, image.height() - m.height() - 2, 200 + droite, m.height()),
        Qt::AlignRight, QStringLiteral("- - rapidité (bonnes rép./mn)"));
    p.setPen(QColor(0, 0, 192));
    p.drawText(QRect(gauche, image.height() - m.height() - 2, 200, m.height()), Qt::AlignLeft,
        QStringLiteral("— score"));
    if (scores.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(police_graphique(10));
        p.drawText(c.zone, Qt::AlignCenter, QStringLiteral("aucun test cette année"));
    }
    return image;
}

QImage graphique_progression_classes(const DonneesProgression& d)
{
    static const QColor couleurs[]
        = {QColor(0, 0, 192), QColor(192, 0, 0), QColor(0, 128, 0), QColor(128, 0, 128), QColor(0, 128, 128),
            QColor(160, 96, 0), QColor(64, 64, 64), QColor(255, 0, 160)};
    QImage image = image_vierge(720, 340);
    const Cadre c = cadre_de_l_annee(d.annee, image.width(), image.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fond(p, c, QStringLiteral("Score moyen par semaine, %1").arg(d.annee));
    const QDate lundi = premier_lundi(d.annee);
    p.setFont(police_graphique(8, true));
    const QFontMetrics m(p.font());
    int y_legende = haut + 2;
    for (int k = 0; k < d.courbes.size(); ++k) {
        const CourbeClasse& courbe_classe = d.courbes[k];
        const QColor couleur = couleurs[k % std::size(couleurs)];
        QVector<std::optional<QPoint>> points;
        for (int s = 0; s < courbe_classe.moyennes.size(); ++s) {
            const int v = courbe_classe.moyennes[s];
            const QDate milieu = std::clamp(lundi.addDays(7 * s + 3), c.debut, c.fin);
            points << (v >= 0 ? std::optional<QPoint>(QPoint(c.x(milieu), c.y(v))) : std::nullopt);
        }
        // A class tested every other week still reads as one line: the gaps are joined, dotted.
        QVector<std::optional<QPoint>> testes;
        for (const auto& pt : points)
            if (pt)
                testes << pt;
        courbe(p, testes, couleur.lighter(150), Qt::DotLine);
        courbe(p, points, couleur, Qt::SolidLine);
        p.setPen(couleur);
        p.drawText(QRect(c.zone.right() + 4, y_legende, droite - 4, m.height()), Qt::AlignLeft,
            courbe_classe.classe);
        y_legende += m.height();
    }
    return image;
}
