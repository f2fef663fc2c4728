#pragma once

#include <QPushButton>

// The "Enregistrer" button at the bottom right of a console page; its click asks the console to save.
template <typename Page> QPushButton* bouton_enregistrer(Page* page, const char* nom)
{
    auto* b = new QPushButton(QStringLiteral("Enregistrer"), page);
    b->setObjectName(QLatin1String(nom));
    b->setAccessibleName(b->text());
    b->setGeometry(770, 514, 130, 30);
    QObject::connect(b, &QPushButton::clicked, page, &Page::enregistrement_demande);
    return b;
}
