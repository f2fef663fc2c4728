#include "faits.h"

#include <charconv>
#include <cstdlib>

Bande bande_score(int p)
{
    if (p < 50)
        return Bande::tres_faible;
    if (p < 70)
        return Bande::faible;
    if (p < 85)
        return Bande::passable;
    if (p < 95)
        return Bande::bien;
    if (p < 100)
        return Bande::tres_bien;
    return Bande::parfait;
}

QString niveau_score(int p)
{
    switch (bande_score(p)) {
    case Bande::tres_faible:
        return QStringLiteral("très faible");
    case Bande::faible:
        return QStringLiteral("faible");
    case Bande::passable:
        return QStringLiteral("passable");
    case Bande::bien:
        return QStringLiteral("bien");
    case Bande::tres_bien:
        return QStringLiteral("très bien");
    case Bande::parfait:
        break;
    }
    return QStringLiteral("parfait");
}

QString mot_table(int p)
{
    if (p < 0)
        return {};
    switch (bande_score(p)) {
    case Bande::tres_faible:
        return QStringLiteral("T.faible");
    case Bande::tres_bien:
        return QStringLiteral("T.bien");
    default:
        return niveau_score(p);
    }
}

QString texte_dixiemes(int dixiemes, QChar virgule)
{
    // Written in one allocation: a report writes 64 of them a page.
    char chiffres[16];
    const int n = int(std::to_chars(chiffres, chiffres + sizeof chiffres, dixiemes / 10).ptr - chiffres);
    const int reste = dixiemes % 10;
    QString texte(n + (reste != 0 ? 2 : 0) + (reste < 0 ? 1 : 0) + 1, Qt::Uninitialized);
    QChar* p = texte.data();
    for (int i = 0; i < n; ++i)
        *p++ = QLatin1Char(chiffres[i]);
    if (reste != 0) {
        *p++ = virgule;
        if (reste < 0)
            *p++ = QLatin1Char('-');
        *p++ = QLatin1Char(char('0' + std::abs(reste)));
    }
    *p = QLatin1Char('s');
    return texte;
}

unsigned int couleur_bande(Bande b)
{
    switch (b) {
    case Bande::tres_faible:
        return 0xFF0000;
    case Bande::faible:
        return 0xFF8000;
    case Bande::passable:
        return 0xFFFF00;
    case Bande::bien:
        return 0x008000;
    case Bande::tres_bien:
        return 0x0000FF;
    case Bande::parfait:
        break;
    }
    return 0xFF00FF;
}

QString zeros_devant(int n, int largeur)
{
    if (n < 0)
        return u'-' + zeros_devant(-n, largeur - 1);
    return QString::number(n).rightJustified(largeur, u'0');
}

QString sans_zeros_devant(const QString& texte)
{
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == u'0')
        ++i;
    return texte.mid(i);
}

QString sans_accents(const QString& texte)
{
    QString resultat;
    resultat.reserve(texte.size());
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u < 0xC0) {
            resultat += c;
            continue;
        }
        if (u >= 0xC0 && u <= 0xC5)
            resultat += u'A';
        else if (u >= 0xE0 && u <= 0xE5)
            resultat += u'a';
        else if (u >= 0xC8 && u <= 0xCB)
            resultat += u'E';
        else if (u >= 0xE8 && u <= 0xEB)
            resultat += u'e';
        else if (u >= 0xCC && u <= 0xCF)
            resultat += u'I';
        else if (u >= 0xEC && u <= 0xEF)
            resultat += u'i';
        else if ((u >= 0xD2 && u <= 0xD6) || u == 0xD8)
            resultat += u'O';
        else if ((u >= 0xF2 && u <= 0xF6) || u == 0xF8)
            resultat += u'o';
        else if (u >= 0xD9 && u <= 0xDC)
            resultat += u'U';
        else if (u >= 0xF9 && u <= 0xFC)
            resultat += u'u';
        else if (u == 0xDD || u == 0x178)
            resultat += u'Y';
        else if (u == 0xFD || u == 0xFF)
            resultat += u'y';
        else if (u == 0xD1)
            resultat += u'N';
        else if (u == 0xF1)
            resultat += u'n';
        else if (u == 0xC7)
            resultat += u'C';
        else if (u == 0xE7)
            resultat += u'c';
        else if (u == 0x160)
            resultat += u'S';
        else if (u == 0x161)
            resultat += u's';
        else if (u == 0xD0)
            resultat += u'D';
        else if (u == 0xC6)
            resultat += QStringLiteral("AE");
        else if (u == 0xE6)
            resultat += QStringLiteral("ae");
        else if (u == 0x152)
            resultat += QStringLiteral("OE");
        else if (u == 0x153)
            resultat += QStringLiteral("oe");
        else if (u == 0xDF)
            resultat += QStringLiteral("ss");
        else
            resultat += c;
    }
    return resultat;
}

int dixiemes(qint64 ms)
{
    if (ms <= 0)
        return 0;
    qint64 q = ms / 100;
    const qint64 r = ms % 100;
    if (r > 50 || (r == 50 && q % 2 == 1))
        ++q;
    return int(qMin<qint64>(q, 999));
}

int nombre_chiffres(int valeur)
{
    int d = 1;
    while (valeur >= 10) {
        valeur /= 10;
        ++d;
    }
    return d;
}

QString libelle_produit(const QString& code)
{
    return QString::number(code.left(2).toInt()) + QStringLiteral("×")
        + QString::number(code.mid(2, 2).toInt());
}
