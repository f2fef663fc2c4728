#pragma once

#include "ui/etiquette_degrade.h"

// A row label of the step panel: its level's colour in a gradient, navy border, bold text.
class EtiquetteEtape : public EtiquetteDegrade
{
    Q_OBJECT
public:
    EtiquetteEtape(const QString& texte, int hauteur, int taille_police, QWidget* parent);

    // Background and text; a black background stands for an answer missed in the ordered pass.
    void colore(const QColor& fond, const QColor& texte);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
