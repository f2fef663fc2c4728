#pragma once

#include <QString>
#include <QStringView>

// Helpers shared by the facts files; not part of the public contract.
namespace faits_interne {

// Decimal value of a text made only of digits; -1 for an empty text or any other character.
inline int lit_nombre(QStringView texte)
{
    if (texte.isEmpty() || texte.size() > 9)
        return -1;
    int valeur = 0;
    for (QChar c : texte) {
        if (c < u'0' || c > u'9')
            return -1;
        valeur = valeur * 10 + (c.unicode() - u'0');
    }
    return valeur;
}

inline int premier_facteur(QStringView code)
{
    return code.size() < 4 ? -1 : lit_nombre(code.mid(0, 2));
}
inline int second_facteur(QStringView code)
{
    return code.size() < 4 ? -1 : lit_nombre(code.mid(2, 2));
}

// A factor the model knows: 2 to 9 and 11 to 19.
inline bool facteur_valide(int f)
{
    return (f >= 2 && f <= 9) || (f >= 11 && f <= 19);
}

} // namespace faits_interne
