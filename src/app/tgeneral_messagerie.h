#pragma once

#include "core/messagerie.h"

class QWidget;

// The session's messages shown as message boxes over the main window.
class TgeneralMessagerie : public Messagerie
{
public:
    explicit TgeneralMessagerie(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void fixe_parent(QWidget* parent) { m_parent = parent; }

    void information(const QString& titre, const QString& texte) override;
    void avertissement(const QString& titre, const QString& texte) override;
    bool saisie(const QString& titre, const QString& invite, QString& valeur) override;

private:
    QWidget* m_parent;
};
