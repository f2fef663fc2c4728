#pragma once

#include <QFont>
#include <QPalette>

class QApplication;

// The program draws its own colours on fixed panels: its look must not follow the desktop's theme, dark
// or light, nor its font size, which would clip the fixed-size captions.
QPalette palette_tabrix();
QFont police_tabrix();

// Fusion style, the palette and the font above, for every window, once at start.
void applique_apparence(QApplication& application);
