#pragma once

#include <QDialog>

// The about box: the program's name, its version and what it is for.
class Apropos : public QDialog
{
    Q_OBJECT
public:
    static QString texte_version() { return QStringLiteral("version 0.96.04"); }

    explicit Apropos(QWidget* parent = nullptr);
};
