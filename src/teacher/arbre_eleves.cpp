#include "teacher/arbre_eleves.h"

#include "teacher/regles_liste_eleves.h"

#include <QHeaderView>
#include <QScrollBar>

ArbreEleves::ArbreEleves(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setAccessibleName(QStringLiteral("Liste des élèves"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    // Long lines scroll rather than lose their end.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // Dots and values line up only in a fixed-width font.
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* courant) { Q_EMIT selection(index_de(courant)); });
}

void ArbreEleves::charge(const QStringList& lignes, const QStringList& chemins)
{
    const QSignalBlocker bloque(this);
    clear();
    m_lignes = lignes;
    m_chemins = chemins;
    m_noeuds.clear();
    m_noeuds.reserve(lignes.size());
    // The nodes are hung together away from the widget, then handed to it at once: one insertion into the
    // model instead of one per line.
    QList<QTreeWidgetItem*> hauts;
    // The last node of each depth: a line hangs under the last shallower one.
    QVector<QTreeWidgetItem*> derniers;
    for (int i = 0; i < lignes.size(); ++i) {
        const int p = profondeur_ligne(lignes[i]);
        while (derniers.size() > p)
            derniers.removeLast();
        QTreeWidgetItem* parent = nullptr;
        for (int k = int(derniers.size()) - 1; k >= 0 && !parent; --k)
            parent = derniers[k];
        auto* n = new QTreeWidgetItem;
        n->setText(0, lignes[i].mid(p));
        n->setData(0, Qt::UserRole, i);
        if (parent)
            parent->addChild(n);
        else
            hauts << n;
        m_noeuds << n;
        while (derniers.size() < p)
            derniers << nullptr;
        derniers << n;
    }
    addTopLevelItems(hauts);
}

int ArbreEleves::largeur_ligne_du_haut() const
{
    const QTreeWidgetItem* haut = topLevelItem(0);
    if (!haut)
        return 0;
    // The item's own margins, a few pixels on each side.
    return fontMetrics().horizontalAdvance(haut->text(0)) + indentation() + 2 * frameWidth()
        + verticalScrollBar()->sizeHint().width() + 12;
}

int ArbreEleves::index_de(const QTreeWidgetItem* noeud) const
{
    return noeud ? noeud->data(0, Qt::UserRole).toInt() : -1;
}

QStringList ArbreEleves::chemins_selection() const
{
    return chemins_eleves_du_noeud(m_lignes, m_chemins, index_selection());
}
