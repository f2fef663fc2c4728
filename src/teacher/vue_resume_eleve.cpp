#include "teacher/vue_resume_eleve.h"

#include "reports/description_graphique.h"
#include "reports/graphique_test.h"
#include "teacher/graphique_progression.h"
#include "ui/texte_lu.h"

#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

const QString schema_graphique = QStringLiteral("graphique");
const QString schema_progression = QStringLiteral("progression");
const QString schema_icone = QStringLiteral("icone");

// The small picture before each "Test du …": a bar chart.
QImage icone_test()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(2, 9, 3, 6, QColor(0, 0, 255));
    p.fillRect(6, 5, 3, 10, QColor(255, 0, 0));
    p.fillRect(10, 2, 3, 13, QColor(0, 160, 0));
    p.end();
    return image;
}

} // namespace

VueResumeEleve::VueResumeEleve(QWidget* parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("RichView1"));
    setAccessibleName(QStringLiteral("Résumé de l'élève"));
    lit_les_images(this);
    setReadOnly(true);
    setOpenLinks(false);
    // Always there, so that its coming and going never changes the width the charts are fitted to.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void VueResumeEleve::montre_eleve(
    const QString& chemin, const ResumeEleve& r, const QString& classe, Amenagement amenagement)
{
    const QStringList noms = nom_et_prenom(chemin);
    m_jours.clear();
    for (auto it = r.jours.crbegin(); it != r.jours.crend(); ++it)
        m_jours << *it;
    m_en_tete = QStringLiteral(
        "<p><span style=\"font-size:16pt; font-weight:bold; color:#0000c0\">%1</span>"
        "&nbsp;&nbsp;<span style=\"font-size:12pt; font-style:italic; color:#800000\">%2</span></p>")
                    .arg((noms.value(0) + QLatin1Char(' ') + noms.value(1)).toHtmlEscaped(),
                        classe.toHtmlEscaped());
    if (amenagement != Amenagement::aucun)
        m_en_tete += QStringLiteral("<p><b>%1</b></p>").arg(ligne_amenagement(amenagement).toHtmlEscaped());
    for (const QString& phrase : r.phrases())
        m_en_tete += QStringLiteral("<p>%1</p>").arg(phrase.toHtmlEscaped());
    m_en_tete += QStringLiteral("<p>%1</p>").arg(r.temps_total());
    m_annee_progression = m_jours.isEmpty()
        ? QString()
        : annee_scolaire_de(QDate::fromString(m_jours.first().date.right(10), QStringLiteral("dd/MM/yyyy")));
    m_progression = m_annee_progression.isEmpty()
        ? QVector<PointProgression>()
        : progression_eleve(r, m_temps_acceptable, m_annee_progression);
    compose();
}

int VueResumeEleve::largeur_utile() const
{
    return viewport()->width() - 2 * int(document()->documentMargin()) - 2;
}

QSize VueResumeEleve::taille_affichee(QSize naturelle) const
{
    if (naturelle.width() <= m_largeur_composee)
        return naturelle;
    const double echelle = std::max(double(m_largeur_composee) / naturelle.width(), 0.3);
    return QSize(qRound(naturelle.width() * echelle), qRound(naturelle.height() * echelle));
}

void VueResumeEleve::compose()
{
    m_largeur_composee = largeur_utile();
    QString html = m_en_tete;
    if (!m_progression.isEmpty()) {
        const QSize taille = taille_affichee(QSize(560, 260));
        // The description is written under the chart, so a reader skips the picture itself.
        html += QStringLiteral(
            "<p><img src=\"%1:\" alt=\" \" width=\"%2\" height=\"%3\"/></p><p><i>%4</i></p>")
                    .arg(schema_progression)
                    .arg(taille.width())
                    .arg(taille.height())
                    .arg(description_progression().toHtmlEscaped());
    }
    for (int i = 0; i < m_jours.size(); ++i) {
        const bool classique = m_jours[i].ligne.mid(29 + 1, 1) == QLatin1String("0")
            && m_jours[i].ligne.mid(29 + 3, 1) == QLatin1String("0");
        // Sizes given here so that the layout needs no chart before it is on screen; a narrow pane shrinks
        // them.
        const QSize taille = taille_affichee(classique ? QSize(503, 310) : QSize(553, 529));
        const QString description = QStringLiteral("Graphique : ")
            + description_graphique_test(m_jours[i].ligne, m_temps_acceptable);
        html
            += QStringLiteral("<hr/><p><img src=\"%1:\" alt=\" \" width=\"16\" height=\"16\"/> Test du %2</p>"
                              "<p><img src=\"%3:%4\" alt=\"%5\" width=\"%6\" height=\"%7\"/></p>")
                   // In one pass: the description holds "%" signs.
                   .arg(schema_icone, m_jours[i].date.toHtmlEscaped(), schema_graphique, QString::number(i),
                       description.toHtmlEscaped(), QString::number(taille.width()),
                       QString::number(taille.height()));
    }
    termine(html);
}

void VueResumeEleve::resizeEvent(QResizeEvent* evenement)
{
    QTextBrowser::resizeEvent(evenement);
    if (m_jours.isEmpty() || largeur_utile() == m_largeur_composee || m_recomposition_prevue)
        return;
    // Once the resizing is over: the document must not be replaced while it lays itself out.
    m_recomposition_prevue = true;
    QTimer::singleShot(0, this, [this] {
        m_recomposition_prevue = false;
        if (m_jours.isEmpty() || largeur_utile() == m_largeur_composee)
            return;
        const int position = verticalScrollBar()->value();
        compose();
        verticalScrollBar()->setValue(position);
    });
}

QString VueResumeEleve::description_progression() const
{
    return description_progression_eleve(m_progression);
}

void VueResumeEleve::montre_entree(const QString& entree)
{
    m_en_tete.clear();
    m_jours.clear();
    m_progression.clear();
    termine(QStringLiteral("<p>%1</p>").arg(entree.toHtmlEscaped()));
}

void VueResumeEleve::termine(QString html)
{
    for (int i = 0; i < 25; ++i)
        html += QStringLiteral("<p>&nbsp;</p>");
    document()->clear();
    setHtml(html);
}

QVariant VueResumeEleve::loadResource(int type, const QUrl& nom)
{
    if (type != QTextDocument::ImageResource)
        return QTextBrowser::loadResource(type, nom);
    if (nom.scheme() == schema_icone)
        return icone_test();
    if (nom.scheme() == schema_progression)
        return ajustee(graphique_progression_eleve(m_progression, m_annee_progression));
    if (nom.scheme() != schema_graphique)
        return QTextBrowser::loadResource(type, nom);
    bool ok = false;
    const int i = nom.path().toInt(&ok);
    if (!ok || i < 0 || i >= m_jours.size())
        return {};
    return ajustee(graphique_test(m_jours[i].ligne, m_temps_acceptable));
}

QImage VueResumeEleve::ajustee(const QImage& image) const
{
    const QSize taille = taille_affichee(image.size());
    return taille == image.size() ? image
                                  : image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
