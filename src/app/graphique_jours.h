#pragma once

#include "seance/tableau_de_bord_graphique.h"

#include <QVector>
#include <QWidget>

class QFrame;
class QLabel;

// The content of Scrollbox1: the grade frame, drawn once, and the components of the tested days.
class GraphiqueJours : public QWidget
{
    Q_OBJECT
public:
    explicit GraphiqueJours(QWidget* parent = nullptr);

    // Replaces the components of the previous chart by those of `geometrie`.
    void affiche(const GeometrieGraphique& geometrie);
    // Releases every "composant" + i and puts the grade lines back to their first width.
    void efface_graphique();
    int nombre_composants() const;

Q_SIGNALS:
    void barre_pressee(int jour, Qt::MouseButton bouton, const QPoint& position);
    void barre_relachee(int jour);

private:
    void construit_cadre();
    QVector<QWidget*> composants() const;
    void fixe_largeur_lignes(int largeur);

    QVector<QFrame*> m_lignes; // ShapeEx1 … ShapeEx6
};
