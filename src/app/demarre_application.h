#pragma once

#include <QApplication>
#include <functional>
#include <memory>

// The application at the scale of this machine's "Taille de l'affichage" (asked of `taille_choisie` once
// Qt has read the screen), started again when that scale differs from the desktop's or when the fixed
// panels would not fit the screen at it: every window then grows or shrinks alike. TABRIX_SANS_AJUSTEMENT
// set keeps the desktop's scale.
std::unique_ptr<QApplication> demarre_application(
    int& argc, char** argv, const std::function<QString()>& taille_choisie);
