#pragma once

#include <QStringList>

class QWidget;

// What a screen reader and a keyboard need of a window, checked on every visible widget of it:
// - an interactive control (button, field, list, spin box…) has an accessible name;
// - a label showing text has a name that says that text (not a stale or generic one);
// - a text shows no picture that reaches a reader as an empty object character;
// - a picture (a label showing an image, a widget of ours that draws) has a name and a description; a widget
//   of ours that draws only text (role StaticText) needs its name only;
// - an enabled control is reached with Tab (radio buttons move with the arrows instead; a read-only field is
//   no action).
// Each fault reads "window: objectName (class): rule". Pages of tab widgets and stacked widgets are visited.
QStringList fautes_accessibilite(QWidget* fenetre);

// What a keyboard user must see of a window, on its enabled visible controls that Tab reaches:
// - each one looks different when it has the focus (a focus frame), compared on grabs with and without it;
// - the Tab order follows reading order: from one control to the next, never back to the left on the same
//   line, nor up and to the left (a new column to the right may start higher).
// The window is made active for the check; the focus comes back where it was.
QStringList fautes_clavier(QWidget* fenetre);

// The visible top-level windows of the program, menus and tooltips aside.
QList<QWidget*> fenetres_visibles();

// "Title (class)", for messages.
QString nom_de_fenetre(QWidget* fenetre);
