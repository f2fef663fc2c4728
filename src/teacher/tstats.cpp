#include "teacher/tstats.h"

#include "storage/fichier_texte.h"
#include "ui/boites.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// Enabled and ticked category boxes after a click on a display mode.
struct EtatCases
{
    Categories actives;
    Categories cochees;
};

EtatCases cases_du_mode(ModeAffichage mode)
{
    switch (mode) {
    case ModeAffichage::pourcentage:
    case ModeAffichage::nombre:
        return {{true, true, true, true}, {false, false, true, true}};
    case ModeAffichage::temps_moyen:
        return {{true, true, true, false}, {true, true, false, false}};
    case ModeAffichage::vitesse:
        break;
    }
    return {{true, true, true, true}, {true, true, true, true}};
}

QColor couleur(unsigned int rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

QString eleves_au_total(int N)
{
    return N == 1 ? QStringLiteral("élève au total") : QStringLiteral("élèves au total");
}

bool texte_blanc_sur(unsigned int rgb)
{
    return rgb == rgb_teinte(Teinte::rouge) || rgb == rgb_teinte(Teinte::rouge_fonce);
}

} // namespace

void TStats::prepare(const QStringList& reponses, int N, int T)
{
    m_reponses = reponses;
    m_N = N;
    m_T = T;
    m_label_nb_eleves->setText(QString::number(N));
    m_label_total->setText(eleves_au_total(N));
    m_label_nb_eleves->setAccessibleName(QString::number(N) + u' ' + eleves_au_total(N));
    // The box says where the split between fast and slow right answers lies: at the acceptable time.
    m_spin->setValue(std::clamp(T, 1, 20));
}

ModeAffichage TStats::mode() const
{
    for (int i = 0; i < m_modes.size(); ++i)
        if (m_modes[i]->isChecked())
            return ModeAffichage(i);
    return ModeAffichage::pourcentage;
}

Categories TStats::cochees() const
{
    Categories c {};
    for (int i = 0; i < nombre_categories; ++i)
        c[i] = m_categories[i]->isChecked();
    return c;
}

TriConfusions TStats::tri() const
{
    for (int i = 0; i < m_tris.size(); ++i)
        if (m_tris[i]->isChecked())
            return TriConfusions(i);
    return TriConfusions::frequence;
}

void TStats::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
}

void TStats::FormShow()
{
    Button_calculerClick();
}

void TStats::Button_calculerClick()
{
    m_calcul = calcule(m_reponses, m_N, mode(), cochees(), m_T, tri());
    for (int k = 1; k <= nombre_cases; ++k)
        montre_case(k, m_calcul.cases[k - 1]);
    m_lignes = m_calcul.confusions;
    m_memo->setPlainText(m_lignes.join(QLatin1Char('\n')));
    m_label_confusions->setText(m_calcul.texte_nombre_confusions());
}

void TStats::montre_case(int k, const CaseAffichee& c)
{
    if (c.teinte)
        m_couleurs[k - 1] = rgb_teinte(*c.teinte);
    const unsigned int fond = m_couleurs[k - 1];
    QLabel* cellule = m_cases[k - 1];
    QPalette p = cellule->palette();
    p.setColor(QPalette::Window, couleur(fond));
    p.setColor(QPalette::WindowText, texte_blanc_sur(fond) ? Qt::white : Qt::black);
    cellule->setPalette(p);
    cellule->setText(c.texte);
    cellule->setAccessibleName(
        QStringLiteral("%1×%2 : %3").arg(facteur_colonne(k)).arg(facteur_ligne(k)).arg(c.texte));
}

void TStats::trie_confusions()
{
    m_lignes = trie(m_lignes, tri());
    m_memo->setPlainText(m_lignes.join(QLatin1Char('\n')));
}

void TStats::RadioButtonClick(ModeAffichage mode)
{
    const EtatCases e = cases_du_mode(mode);
    for (int i = 0; i < nombre_categories; ++i) {
        m_categories[i]->setEnabled(e.actives[i]);
        m_categories[i]->setChecked(e.cochees[i]);
    }
}

void TStats::CheckBox_repClick(int categorie)
{
    // The speed counts every answer: no box can be left out.
    if (mode() == ModeAffichage::vitesse)
        m_categories[categorie]->setChecked(true);
}

void TStats::SpinEdit2Change(int valeur)
{
    const QString texte = QStringLiteral("bonnes réponses dans un temps >=%1s").arg(valeur);
    m_categories[1]->setText(texte);
    m_categories[1]->setAccessibleName(texte);
}

Ecriture TStats::enregistre(const QString& chemin) const
{
    return ecrit_lignes(chemin, lignes_csv(m_calcul));
}

void TStats::Button4Click()
{
    boites::DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer les statistiques");
    demande.nom = QStringLiteral("statistiques_produits.csv");
    demande.filtre = QStringLiteral("Fichiers CSV (*.csv)");
    demande.extension = QStringLiteral("csv");
    const QString chemin = boites::fichier_a_enregistrer(this, demande);
    if (chemin.isEmpty())
        return;
    if (const Ecriture e = enregistre(chemin); !e)
        boites::erreur(this, QStringLiteral("Enregistrer"), e.erreur);
}

void TStats::Button2Click()
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (!boites::choisit_imprimante(this, imprimante, QStringLiteral("Imprimer les statistiques")))
        return;
    if (!imprime(imprimante))
        boites::erreur(this, QStringLiteral("Imprimer"), QStringLiteral("L'impression n'a pas pu se faire."));
}

bool TStats::imprime(QPrinter& imprimante) const
{
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    const QRectF page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    // Laid out on a 600-unit-wide page, then scaled to the printer.
    const qreal echelle = page.width() / 600.0;
    p.scale(echelle, echelle);
    dessine(p, QRectF(0, 0, 600, page.height() / echelle));
    return p.end();
}

void TStats::dessine(QPainter& p, const QRectF& page) const
{
    // Sizes in pixels of the 600-unit page, whatever the printer's resolution.
    QFont titre = QApplication::font();
    titre.setPixelSize(16);
    titre.setBold(true);
    p.setFont(titre);
    p.drawText(QRectF(0, 0, page.width(), 20), Qt::AlignLeft, windowTitle());
    QFont normal = QApplication::font();
    normal.setPixelSize(10);
    p.setFont(normal);
    QStringList ticks;
    for (int i = 0; i < nombre_categories; ++i)
        if (m_categories[i]->isChecked())
            ticks << (i == 0 ? m_categories[0]->text() + m_spin->text() + QStringLiteral(" s")
                             : m_categories[i]->text());
    p.drawText(QRectF(0, 22, page.width(), 28), Qt::AlignLeft | Qt::TextWordWrap,
        m_modes[int(mode())]->text() + QStringLiteral(" concernant : ") + ticks.join(QStringLiteral(", "))
            + QStringLiteral(". ") + QString::number(m_N) + u' ' + eleves_au_total(m_N) + u'.');

    constexpr qreal gauche = 20, haut = 76, pas = 34;
    for (int a = 2; a <= 9; ++a) {
        p.drawText(
            QRectF(gauche + (a - 2) * pas, haut - 18, 32, 16), Qt::AlignCenter, QStringLiteral("%1×").arg(a));
        p.drawText(
            QRectF(gauche + 8 * pas + 4, haut + (a - 2) * pas, 20, 32), Qt::AlignVCenter, QString::number(a));
    }
    for (int k = 1; k <= nombre_cases; ++k) {
        const QRectF r(gauche + (facteur_colonne(k) - 2) * pas, haut + (facteur_ligne(k) - 2) * pas, 32, 32);
        p.fillRect(r, couleur(m_couleurs[k - 1]));
        p.setPen(Qt::black);
        p.drawRect(r);
        p.setPen(texte_blanc_sur(m_couleurs[k - 1]) ? Qt::white : Qt::black);
        p.drawText(r, Qt::AlignCenter, m_cases[k - 1]->text());
    }
    p.setPen(Qt::black);

    // The confusions in columns: first to the right of the grid, then below it.
    QFont fixe = m_memo->font();
    fixe.setPixelSize(10);
    p.setFont(fixe);
    const qreal x0 = gauche + 8 * pas + 40;
    p.drawText(QRectF(x0, haut - 18, page.width() - x0, 16), Qt::AlignLeft, m_label_confusions->text());
    const QFontMetricsF mesure(fixe);
    const qreal hauteur_ligne = mesure.height();
    const qreal largeur_colonne = mesure.horizontalAdvance(QStringLiteral("00×00=00....000 fois  "));
    const qreal sous_la_grille = haut + 8 * pas + 16;
    QVector<QPointF> colonnes;
    for (qreal x = x0; x + largeur_colonne <= page.width(); x += largeur_colonne)
        colonnes << QPointF(x, haut);
    for (qreal x = 0; x + largeur_colonne <= x0; x += largeur_colonne)
        colonnes << QPointF(x, sous_la_grille);
    qsizetype n = 0;
    for (const QPointF& c : std::as_const(colonnes)) {
        for (qreal y = c.y(); y + hauteur_ligne <= page.height() && n < m_lignes.size();
             y += hauteur_ligne, ++n) {
            const bool coupee
                = c == colonnes.last() && y + 2 * hauteur_ligne > page.height() && n + 1 < m_lignes.size();
            p.drawText(QPointF(c.x(), y + hauteur_ligne),
                coupee ? QStringLiteral("… %1 de plus").arg(m_lignes.size() - n) : m_lignes[n]);
        }
    }
}
