#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QWidget;

// What a screen reader says of a widget: its name, and for a picture what it shows, in words.
void nomme(QWidget* widget, const QString& nom, const QString& description = {});

// Buttons of which exactly one stays pressed, as in an exclusive button group, but each one reachable with
// Tab: in a group, Qt takes the others out of the Tab chain whenever the pressed one gets the focus.
void rend_exclusifs(const QList<QAbstractButton*>& boutons);
