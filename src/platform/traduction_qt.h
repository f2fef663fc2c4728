#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

// Qt's own texts (standard buttons, print and file dialogs) in French, read from Qt's translations folder
// (Debian's qt6-translations-l10n). Returns whether they were found; without them those texts stay in
// English.
bool installe_traduction_qt(QCoreApplication& application,
    const QString& dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
