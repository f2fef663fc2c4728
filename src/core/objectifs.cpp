#include "objectifs.h"
#include "faits.h"
#include "faits_interne.h"

using faits_interne::lit_nombre;

QStringList numeros_tables_objectifs(const QStringList& produits_etudies)
{
    QStringList numeros;
    QString precedent;
    for (const QString& code : produits_etudies) {
        const QString numero = code.left(2);
        if (numeros.isEmpty() || numero != precedent)
            numeros << numero;
        precedent = numero;
    }
    return numeros;
}

QString objectifs_en_mots(const QStringList& numeros)
{
    const qsizetype k = numeros.size();
    if (k == 0)
        return {};
    QStringList textes;
    for (const QString& numero : numeros) {
        const int valeur = lit_nombre(numero);
        textes << (valeur >= 0 ? QString::number(valeur) : numero);
    }
    if (k == 1) {
        return textes[0] == QStringLiteral("11") ? QStringLiteral("table des carrés:")
                                                 : QStringLiteral("table de ") + textes[0] + u':';
    }
    const int premier = lit_nombre(numeros.first());
    const int dernier = lit_nombre(numeros.last());
    QString mots;
    if (k >= 5 && premier >= 0 && dernier >= 0 && dernier - premier == k - 1) {
        mots = QStringLiteral("tables de ") + textes.first() + QStringLiteral(" à ") + textes.last() + u':';
    } else {
        mots = QStringLiteral("tables de ") + textes.mid(0, k - 1).join(QStringLiteral(", "))
            + QStringLiteral(" et ") + textes.last() + u':';
    }
    const qsizetype onze = mots.indexOf(QStringLiteral("11"));
    if (onze >= 0)
        mots.replace(onze, 2, QStringLiteral("carrés"));
    return mots;
}
