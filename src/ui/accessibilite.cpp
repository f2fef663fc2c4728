#include "ui/accessibilite.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>

void nomme(QWidget* widget, const QString& nom, const QString& description)
{
    widget->setAccessibleName(nom);
    widget->setAccessibleDescription(description);
}

void rend_exclusifs(const QList<QAbstractButton*>& boutons)
{
    for (QAbstractButton* b : boutons) {
        b->setCheckable(true);
        b->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(b, &QAbstractButton::toggled, b, [b, boutons](bool enfonce) {
            if (enfonce) {
                for (QAbstractButton* autre : boutons) {
                    if (autre != b)
                        autre->setChecked(false);
                }
            } else if (std::none_of(boutons.cbegin(), boutons.cend(),
                           [](const QAbstractButton* x) { return x->isChecked(); })) {
                b->setChecked(true); // released only by pressing another one
            }
        });
    }
}
