#include "reports/description_graphique.h"

#include "reports/graphique_test.h"

#include <QStringList>

namespace {

QString compte(int nombre, const QString& singulier, const QString& pluriel)
{
    return QString::number(nombre) + QLatin1Char(' ') + (nombre > 1 ? pluriel : singulier);
}

QString produits(const DonneesGraphique& d, ClasseReponse classe)
{
    QStringList liste;
    for (const CaseGraphique& c : d.cases) {
        if (c.classe == classe)
            liste.append(QStringLiteral("%1×%2").arg(c.a).arg(c.b));
    }
    return liste.join(QStringLiteral(", "));
}

} // namespace

QString description_graphique_test(const QString& ligne_test, int T)
{
    const DonneesGraphique d = donnees_graphique(ligne_test, T);
    if (d.cases.isEmpty())
        return QStringLiteral("Aucune réponse.");
    QStringList phrases;
    if (d.pourcentage >= 0)
        phrases.append(QStringLiteral("%1 % d'acquisition.").arg(d.pourcentage));
    phrases.append(
        compte(d.comptes[int(ClasseReponse::ok)], QStringLiteral("réponse OK"), QStringLiteral("réponses OK"))
        + QStringLiteral(", ")
        + compte(d.comptes[int(ClasseReponse::lente)], QStringLiteral("réponse trop lente"),
            QStringLiteral("réponses trop lentes"))
        + QStringLiteral(", ")
        + compte(d.comptes[int(ClasseReponse::fausse)], QStringLiteral("réponse fausse ou absente"),
            QStringLiteral("réponses fausses ou absentes"))
        + QLatin1Char('.'));
    const QString fausses = produits(d, ClasseReponse::fausse);
    if (!fausses.isEmpty())
        phrases.append(QStringLiteral("Fausses ou absentes : ") + fausses + QLatin1Char('.'));
    const QString lentes = produits(d, ClasseReponse::lente);
    if (!lentes.isEmpty())
        phrases.append(QStringLiteral("Trop lentes : ") + lentes + QLatin1Char('.'));
    QStringList tables;
    for (auto it = d.pourcentages_tables.cbegin(); it != d.pourcentages_tables.cend(); ++it) {
        if (it.value() >= 0)
            tables.append((it.key() == 11 ? QStringLiteral("carrés") : QString::number(it.key()))
                + QStringLiteral(" : %1 %").arg(it.value()));
    }
    if (!tables.isEmpty())
        phrases.append(QStringLiteral("Tables : ") + tables.join(QStringLiteral(", ")) + QLatin1Char('.'));
    phrases.append(QStringLiteral("Rapidité : %1 réponses exactes par minute.").arg(d.vitesse));
    return phrases.join(QLatin1Char(' '));
}

QString description_barres(
    const QString& titre, const QVector<QPair<QString, int>>& barres, const QString& fin)
{
    QStringList parties;
    for (const auto& [libelle, valeur] : barres)
        parties.append(QStringLiteral("%1: %2").arg(libelle).arg(valeur));
    QString texte = titre.trimmed();
    if (!texte.isEmpty() && !texte.endsWith(QLatin1Char('.')))
        texte += QLatin1Char('.');
    if (!parties.isEmpty())
        texte += QLatin1Char(' ') + parties.join(QStringLiteral(", ")) + QLatin1Char('.');
    else
        texte += QStringLiteral(" Aucune barre.");
    if (!fin.isEmpty())
        texte += QLatin1Char(' ') + fin;
    return texte.trimmed();
}
