#pragma once

#include <QApplication>
#include <memory>

// The application, started again smaller when the fixed panels would not fit the screen at the desktop's
// scale (a small screen, or 200 % on 1920 x 1080): every window then shrinks alike. TABRIX_SANS_AJUSTEMENT
// set keeps the desktop's scale.
std::unique_ptr<QApplication> demarre_application(int& argc, char** argv);
