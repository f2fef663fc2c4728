#pragma once

#include "learning/moteur_apprentissage.h"

#include <QColor>
#include <QPixmap>

// The learning window's small pictures, drawn rather than shipped: traffic light (11 × 29), bar gauge of 0 to
// 5 bars (23 × 23, transparent) and the tick and cross of an ordered pass (16 × 16).
QPixmap feu(NiveauItem niveau);
QPixmap batons(qint64 serie);
QPixmap icone(IconeItem icone);

// Colours of an item's level: background and text.
QColor fond_niveau(NiveauItem niveau);
QColor texte_niveau(NiveauItem niveau);
