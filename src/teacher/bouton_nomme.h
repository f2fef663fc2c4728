#pragma once

#include <QPushButton>
#include <QRadioButton>

// A button of a console page: its component name as objectName, its caption as accessible name.
template <typename Bouton = QPushButton> Bouton* bouton_nomme(const char* nom, const QString& texte)
{
    auto* b = new Bouton(texte);
    b->setObjectName(QLatin1String(nom));
    b->setAccessibleName(texte);
    return b;
}
