#include "app/graphique_jours.h"

#include "app/graphique_jours_barre.h"
#include "core/faits.h"
#include "ui/etiquette_tournee.h"

#include <QFrame>
#include <QHash>
#include <QLabel>

namespace {

constexpr int valeurs_grades[6] = {0, 50, 70, 85, 95, 100};

QColor couleur(unsigned int rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}
QColor couleur_grade(int i)
{
    return couleur(couleur_bande(bande_score(valeurs_grades[i])));
}

QFrame* rectangle(QWidget* parent, const QString& nom, const QRect& rect, const QColor& fond)
{
    auto* forme = new QFrame(parent);
    forme->setObjectName(nom);
    forme->setGeometry(rect);
    forme->setAutoFillBackground(true);
    QPalette p = forme->palette();
    p.setColor(QPalette::Window, fond);
    forme->setPalette(p);
    return forme;
}

QFont police(const QString& famille, int points, bool gras = false)
{
    QFont f(famille, points);
    f.setBold(gras);
    f.setStyleHint(famille.contains(QLatin1String("Courier")) ? QFont::TypeWriter : QFont::SansSerif);
    return f;
}

// The texts get more room than their places, to the side they grow from, since the fonts that replace
// Arial and Courier New here are wider: the bars keep their exact places.
QRect geometrie_affichee(const ElementGraphique& e)
{
    switch (e.sorte) {
    case ElementGraphique::Sorte::valeur:
        return e.rect.adjusted(-10, 0, 10, 0);
    case ElementGraphique::Sorte::date:
    case ElementGraphique::Sorte::classe:
        return e.rect.adjusted(-40, 0, 0, 40);
    case ElementGraphique::Sorte::barre:
        break;
    }
    return e.rect;
}

} // namespace

GraphiqueJours::GraphiqueJours(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("graphique_jours"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    construit_cadre();
}

void GraphiqueJours::construit_cadre()
{
    const int L = TableauDeBordGraphique::gauche_axe;
    const int base = TableauDeBordGraphique::ligne_de_base;
    static const char* const mots[6] = {"très faible", "faible", "passable", "bien", "très bien", "parfait"};

    // Colour key, best band at the top like the chart.
    for (int k = 0; k < 6; ++k) {
        const int y = 64 + (5 - k) * 32;
        rectangle(this, QStringLiteral("Shape%1").arg(7 + k), QRect(14, y, 22, 18), couleur_grade(k))
            ->setFrameStyle(QFrame::Box | QFrame::Plain);
        auto* mot = new QLabel(QString::fromUtf8(mots[k]), this);
        mot->setObjectName(QStringLiteral("Label%1").arg(7 + k));
        mot->setGeometry(42, y, 100, 18);
        mot->setFont(police(QStringLiteral("Arial"), 10));
    }

    for (int i = 0; i < 6; ++i) {
        const int y = base - 2 * valeurs_grades[i];
        m_lignes.append(
            rectangle(this, QStringLiteral("ShapeEx%1").arg(i + 1), QRect(L, y, 320, 1), couleur_grade(i)));
        auto* valeur = new QLabel(QStringLiteral("%1%").arg(valeurs_grades[i]), this);
        valeur->setObjectName(QStringLiteral("Label_legende_%1").arg(i + 1));
        valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valeur->setFont(police(QStringLiteral("Arial"), 8));
        // Labels of the close top grades are spread so that they do not overlap.
        const int decalage = i == 4 ? 2 : (i == 5 ? -4 : 0);
        valeur->setGeometry(L - 46, y - 8 + decalage, 38, 16);
    }
    for (int i = 0; i < 5; ++i) {
        const int haut = base - 2 * valeurs_grades[i + 1];
        const int bas = base - 2 * valeurs_grades[i];
        rectangle(this, QStringLiteral("Shape_legende_%1").arg(i + 1), QRect(L - 5, haut, 5, bas - haut + 1),
            couleur_grade(i));
    }
}

void GraphiqueJours::fixe_largeur_lignes(int largeur)
{
    for (QFrame* ligne : m_lignes)
        ligne->resize(largeur, ligne->height());
}

QVector<QWidget*> GraphiqueJours::composants() const
{
    // One pass over the children: looking each name up would be quadratic on a long history.
    QVector<QWidget*> r;
    for (QObject* enfant : children()) {
        auto* w = qobject_cast<QWidget*>(enfant);
        if (w && w->objectName().startsWith(QLatin1String("composant")))
            r.append(w);
    }
    return r;
}

int GraphiqueJours::nombre_composants() const
{
    return composants().size();
}

void GraphiqueJours::efface_graphique()
{
    // Deleted at once, so that a redraw right after never finds the old names.
    qDeleteAll(composants());
    fixe_largeur_lignes(320);
}

void GraphiqueJours::affiche(const GeometrieGraphique& geometrie)
{
    efface_graphique();
    fixe_largeur_lignes(geometrie.largeur_lignes);
    // A screen reader says the day and its score on each bar.
    QHash<int, QString> dates;
    QHash<int, QString> valeurs;
    for (const ElementGraphique& e : geometrie.elements) {
        if (e.sorte == ElementGraphique::Sorte::date)
            dates.insert(e.jour, e.texte);
        else if (e.sorte == ElementGraphique::Sorte::valeur)
            valeurs.insert(e.jour, e.texte);
    }
    int numero = 0;
    for (const ElementGraphique& e : geometrie.elements) {
        QWidget* composant = nullptr;
        switch (e.sorte) {
        case ElementGraphique::Sorte::barre: {
            const QColor fond = e.couleur ? couleur(*e.couleur) : QColor(Qt::white);
            auto* barre = new GraphiqueJoursBarre(e.jour, e.etiquette, fond, this);
            const QString valeur = valeurs.value(e.jour);
            barre->setAccessibleName(QStringLiteral("Test du ") + dates.value(e.jour)
                + (valeur.isEmpty() ? QString() : QStringLiteral(" : ") + valeur));
            connect(barre, &GraphiqueJoursBarre::pressee, this, &GraphiqueJours::barre_pressee);
            connect(barre, &GraphiqueJoursBarre::relachee, this, &GraphiqueJours::barre_relachee);
            composant = barre;
            break;
        }
        case ElementGraphique::Sorte::valeur: {
            auto* valeur = new QLabel(e.texte, this);
            valeur->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            valeur->setFont(police(QStringLiteral("Arial"), 10));
            valeur->setAttribute(Qt::WA_TransparentForMouseEvents);
            composant = valeur;
            break;
        }
        case ElementGraphique::Sorte::date:
        case ElementGraphique::Sorte::classe: {
            const bool classe = e.sorte == ElementGraphique::Sorte::classe;
            auto* etiquette = new EtiquetteTournee(e.texte, this);
            etiquette->setFont(police(QStringLiteral("Courier New"), classe ? 8 : 10, classe));
            QPalette p = etiquette->palette();
            p.setColor(QPalette::WindowText, classe ? QColor(0, 0, 255) : QColor(Qt::black));
            etiquette->setPalette(p);
            composant = etiquette;
            break;
        }
        }
        composant->setObjectName(QStringLiteral("composant%1").arg(++numero));
        composant->setGeometry(geometrie_affichee(e));
        composant->show();
    }
    // Value labels above the bars, and bars above the rotated texts of the next column.
    for (QObject* enfant : children()) {
        if (auto* barre = qobject_cast<GraphiqueJoursBarre*>(enfant))
            barre->raise();
    }
    for (QWidget* w : composants()) {
        if (qobject_cast<QLabel*>(w))
            w->raise();
    }
}
