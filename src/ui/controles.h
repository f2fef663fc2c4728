#pragma once

#include <QPushButton>
#include <QRadioButton>

// A button named for tests and drivers (objectName), its caption as accessible name.
template <typename Bouton = QPushButton>
Bouton* bouton_nomme(const QString& nom, const QString& texte, QWidget* parent = nullptr)
{
    auto* b = new Bouton(texte, parent);
    b->setObjectName(nom);
    b->setAccessibleName(texte.trimmed());
    return b;
}

// Arial (or its metric twin), bold by default: the font of the activity windows.
QFont police_activite(int points, bool gras = true);
// A push button of an activity window, named, placed on its board, in the activities' font unless told.
QPushButton* bouton_activite(QWidget* parent, const char* nom, const QString& libelle, const QRect& zone,
    const QFont& police = police_activite(10));
