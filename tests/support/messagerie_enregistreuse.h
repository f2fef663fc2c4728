#pragma once

#include "core/messagerie.h"

#include <QList>
#include <QStringList>

// Records every message instead of showing it; input boxes answer from a queue (cancelled when it is empty).
class MessagerieEnregistreuse : public Messagerie
{
public:
    struct Message
    {
        QString genre; // "information", "avertissement" or "saisie"
        QString titre;
        QString texte;
    };

    void information(const QString& titre, const QString& texte) override
    {
        messages.append({QStringLiteral("information"), titre, texte});
    }
    void avertissement(const QString& titre, const QString& texte) override
    {
        messages.append({QStringLiteral("avertissement"), titre, texte});
    }
    bool saisie(const QString& titre, const QString& invite, QString& valeur) override
    {
        messages.append({QStringLiteral("saisie"), titre, invite});
        prefills.append(valeur);
        if (reponses.isEmpty())
            return false;
        valeur = reponses.takeFirst();
        return true;
    }

    int compte(const QString& titre) const
    {
        int n = 0;
        for (const Message& m : messages)
            n += m.titre == titre ? 1 : 0;
        return n;
    }

    QList<Message> messages;
    QStringList reponses;
    QStringList prefills;
};
