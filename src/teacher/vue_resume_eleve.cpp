#include "teacher/vue_resume_eleve.h"

#include "reports/graphique_test.h"

#include <QPainter>
#include <QUrl>

namespace {

const QString schema_graphique = QStringLiteral("graphique");
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
    setReadOnly(true);
    setOpenLinks(false);
}

void VueResumeEleve::montre_eleve(const QString& chemin, const QStringList& historique, const QString& classe)
{
    const QStringList noms = nom_et_prenom(chemin);
    const ResumeEleve r = resume_eleve(historique);
    m_jours.clear();
    for (auto it = r.jours.crbegin(); it != r.jours.crend(); ++it)
        m_jours << *it;
    QString html = QStringLiteral(
        "<p><span style=\"font-size:16pt; font-weight:bold; color:#0000c0\">%1</span>"
        "&nbsp;&nbsp;<span style=\"font-size:12pt; font-style:italic; color:#800000\">%2</span></p>")
                       .arg((noms.value(0) + QLatin1Char(' ') + noms.value(1)).toHtmlEscaped(),
                           classe.toHtmlEscaped());
    for (const QString& phrase : r.phrases())
        html += QStringLiteral("<p>%1</p>").arg(phrase.toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(r.temps_total());
    for (int i = 0; i < m_jours.size(); ++i) {
        const bool classique = m_jours[i].ligne.mid(29 + 1, 1) == QLatin1String("0")
            && m_jours[i].ligne.mid(29 + 3, 1) == QLatin1String("0");
        // Sizes given here so that the layout needs no chart before it is on screen.
        const int largeur = classique ? 503 : 553, hauteur = classique ? 310 : 529;
        html += QStringLiteral("<hr/><p><img src=\"%1:\" width=\"16\" height=\"16\"/> Test du %2</p>"
                               "<p><img src=\"%3:%4\" width=\"%5\" height=\"%6\"/></p>")
                    .arg(schema_icone, m_jours[i].date.toHtmlEscaped(), schema_graphique)
                    .arg(i)
                    .arg(largeur)
                    .arg(hauteur);
    }
    termine(html);
}

void VueResumeEleve::montre_entree(const QString& entree)
{
    m_jours.clear();
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
    if (nom.scheme() != schema_graphique)
        return QTextBrowser::loadResource(type, nom);
    bool ok = false;
    const int i = nom.path().toInt(&ok);
    if (!ok || i < 0 || i >= m_jours.size())
        return {};
    return graphique_test(m_jours[i].ligne, m_temps_acceptable);
}
