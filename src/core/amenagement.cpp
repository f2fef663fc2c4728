#include "core/amenagement.h"

#include <QtGlobal>

namespace {

struct Facteur
{
    qint64 numerateur;
    qint64 denominateur;
};

Facteur facteur(Amenagement a)
{
    switch (a) {
    case Amenagement::tiers:
        return {4, 3};
    case Amenagement::moitie:
        return {3, 2};
    case Amenagement::double_temps:
        return {2, 1};
    default:
        return {1, 1};
    }
}

} // namespace

QString texte_amenagement(Amenagement a)
{
    switch (a) {
    case Amenagement::tiers:
        return QStringLiteral("+1/3");
    case Amenagement::moitie:
        return QStringLiteral("+1/2");
    case Amenagement::double_temps:
        return QStringLiteral("x2");
    case Amenagement::sans_limite:
        return QStringLiteral("sans limite");
    case Amenagement::aucun:
        break;
    }
    return QStringLiteral("aucun");
}

QString ligne_amenagement(Amenagement a)
{
    return QStringLiteral("temps aménagé : ") + texte_amenagement(a);
}

QString libelle_amenagement(Amenagement a)
{
    switch (a) {
    case Amenagement::tiers:
        return QStringLiteral("Un tiers de temps en plus (+1/3)");
    case Amenagement::moitie:
        return QStringLiteral("La moitié du temps en plus (+1/2)");
    case Amenagement::double_temps:
        return QStringLiteral("Le double du temps (x2)");
    case Amenagement::sans_limite:
        return QStringLiteral("Sans limite de temps");
    case Amenagement::aucun:
        break;
    }
    return QStringLiteral("Aucun aménagement");
}

Amenagement lit_texte_amenagement(const QString& texte)
{
    const QString t = texte.trimmed().toLower();
    for (const Amenagement a : amenagements) {
        if (t == texte_amenagement(a))
            return a;
    }
    // "×2" typed by hand is the same choice as the written "x2".
    if (t == QStringLiteral("×2"))
        return Amenagement::double_temps;
    return Amenagement::aucun;
}

qint64 limite_amenagee_ms(qint64 limite_ms, Amenagement a)
{
    if (a == Amenagement::sans_limite)
        return 0;
    const Facteur f = facteur(a);
    return (limite_ms * f.numerateur + f.denominateur - 1) / f.denominateur;
}

int temps_maximum_amenage_s(int secondes, Amenagement a)
{
    if (a == Amenagement::sans_limite)
        return 99;
    const Facteur f = facteur(a);
    return int(qMin<qint64>(99, (qint64(secondes) * f.numerateur + f.denominateur - 1) / f.denominateur));
}
