#include "core/faits.h"
#include "reports/description_graphique.h"

#include <gtest/gtest.h>

namespace {

constexpr int T = 4;

QString enr(const QString& code, int dixiemes, int reponse)
{
    return QLatin1Char('P') + code + zeros_devant(dixiemes, 3) + zeros_devant(reponse, 4);
}

// The table of 7 answered right in 2 s, but for the products named as wrong (answer + 1) or slow (9 s).
QString table_7(const QStringList& fausses, const QStringList& lentes)
{
    QString r;
    for (const QString& c : produits_des_tables(QStringLiteral("table_7")))
        r += enr(c, lentes.contains(c) ? 90 : 20, valeur_produit(c).toInt() + (fausses.contains(c) ? 1 : 0));
    return QStringLiteral("\tTEST de 10:02:03 à 10:12:00 ") + r;
}

} // namespace

TEST(DescriptionGraphique, dit_le_pourcentage_les_comptes_et_les_produits_manques)
{
    const struct
    {
        QString ligne;
        QStringList attendus; // parts of the description, in order
    } cas[] = {
        {table_7({}, {}),
            {QStringLiteral("8 réponses OK, 0 réponse trop lente, 0 réponse fausse ou absente."),
                QStringLiteral("Tables : 7 : 100 %.")}},
        {table_7({QStringLiteral("0708"), QStringLiteral("0709")}, {QStringLiteral("0703")}),
            {QStringLiteral("5 réponses OK, 1 réponse trop lente, 2 réponses fausses ou absentes."),
                QStringLiteral("Fausses ou absentes : 7×8, 7×9."), QStringLiteral("Trop lentes : 7×3."),
                QStringLiteral("Rapidité : ")}},
        {QStringLiteral("\tTEST de 10:02:03 à 10:12:00 "), {QStringLiteral("Aucune réponse.")}},
    };
    for (const auto& c : cas) {
        const QString d = description_graphique_test(c.ligne, T);
        qsizetype depuis = 0;
        for (const QString& partie : c.attendus) {
            const qsizetype i = d.indexOf(partie, depuis);
            EXPECT_GE(i, depuis) << partie.toStdString() << " dans : " << d.toStdString();
            depuis = std::max(depuis, i);
        }
    }
}
