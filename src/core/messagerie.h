#pragma once

#include <QString>

// How code below the windows talks to the user: the program answers with message boxes, tests record.
class Messagerie
{
public:
    virtual ~Messagerie() = default;
    virtual void information(const QString& titre, const QString& texte) = 0;
    virtual void avertissement(const QString& titre, const QString& texte) = 0;
    // Input box; returns false when cancelled. `valeur` holds the pre-filled text and receives the answer.
    virtual bool saisie(const QString& titre, const QString& invite, QString& valeur) = 0;
};
