#include "app/tgeneral_messagerie.h"

#include "ui/boites.h"

void TgeneralMessagerie::information(const QString& titre, const QString& texte)
{
    boites::information(m_parent, titre, texte);
}

void TgeneralMessagerie::avertissement(const QString& titre, const QString& texte)
{
    boites::avertissement(m_parent, titre, texte);
}

bool TgeneralMessagerie::saisie(const QString& titre, const QString& invite, QString& valeur)
{
    return boites::saisie(m_parent, titre, invite, valeur);
}
