#pragma once

#include <QStringList>
#include <QTreeWidget>

// "TreeView1": the follow-up list as a tree (top line, classes, pupils by their leading tabs), each node
// knowing its line's entry in the list of paths.
class ArbreEleves : public QTreeWidget
{
    Q_OBJECT
public:
    explicit ArbreEleves(QWidget* parent = nullptr);

    // `chemins` is aligned with `lignes`.
    void charge(const QStringList& lignes, const QStringList& chemins);

    const QStringList& lignes() const { return m_lignes; }
    const QStringList& chemins() const { return m_chemins; }
    // Absolute index of the node's line; -1 for none.
    int index_de(const QTreeWidgetItem* noeud) const;
    int index_selection() const { return index_de(currentItem()); }
    QString entree(int index) const { return m_chemins.value(index); }
    // The history files of the selected node: one pupil, the pupils of a class, or every pupil.
    QStringList chemins_selection() const;
    // The width that shows the top line (pupils, date and time of the list) whole, with a vertical scroll
    // bar.
    int largeur_ligne_du_haut() const;
    // The node of a line, for tests and for selecting a pupil by program.
    QTreeWidgetItem* noeud(int index) const { return m_noeuds.value(index); }

Q_SIGNALS:
    // A node became the current one (the index of its line).
    void selection(int index);

private:
    QStringList m_lignes;
    QStringList m_chemins;
    QVector<QTreeWidgetItem*> m_noeuds;
};
