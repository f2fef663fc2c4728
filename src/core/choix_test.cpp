#include "core/choix_test.h"

#include "core/dates.h"
#include "core/faits.h"

#include <QDate>
#include <QMap>

namespace {

bool chiffres(QStringView texte)
{
    for (const QChar c : texte)
        if (!c.isDigit())
            return false;
    return !texte.isEmpty();
}

// yyyymmdd from the first "/" of a line (dd/mm/yyyy around it), or "" when the text around it is no date.
QString cle_de_ligne(const QString& ligne)
{
    const int p = ligne.indexOf(QLatin1Char('/'));
    if (p < 2 || ligne.size() < p + 8)
        return {};
    const QString cle = ligne.mid(p + 4, 4) + ligne.mid(p + 1, 2) + ligne.mid(p - 2, 2);
    return chiffres(cle) && ligne.at(p + 3) == QLatin1Char('/') ? cle : QString();
}

QString date_de_cle_triable(const QString& cle)
{
    return cle.mid(6, 2) + QLatin1Char('/') + cle.mid(4, 2) + QLatin1Char('/') + cle.left(4);
}

} // namespace

TestChoisi choix_test(const QStringList& historique, ModeChoixTest mode, const QString& date,
    bool masquer_incomplets, const QString& objectifs)
{
    const QString demandee = cle_de_ligne(date);
    if (demandee.isEmpty())
        return {};

    // The lines of every séance of each date, in file order.
    QMap<QString, QList<int>> lignes_du_jour;
    QString courante;
    for (int i = 0; i < historique.size(); ++i) {
        const QString& ligne = historique[i];
        if (ligne.contains(QLatin1Char('/'))) {
            const QString cle = cle_de_ligne(ligne);
            if (!cle.isEmpty()) {
                courante = cle;
                lignes_du_jour[cle];
                continue;
            }
        }
        if (!courante.isEmpty())
            lignes_du_jour[courante] << i;
    }

    const QStringList cles = lignes_du_jour.keys();
    int debut = -1;
    if (mode == ModeChoixTest::dernier) {
        for (int i = cles.size() - 1; i >= 0 && debut < 0; --i)
            if (cles[i] <= demandee)
                debut = i;
    } else {
        for (int i = 0; i < cles.size() && debut < 0; ++i)
            if (cles[i] >= demandee)
                debut = i;
    }
    if (debut < 0)
        return {};

    const int pas = mode == ModeChoixTest::dernier ? -1 : 1;
    for (int i = debut; i >= 0 && i < cles.size(); i += pas) {
        for (const int n : lignes_du_jour[cles[i]]) {
            const QString& ligne = historique[n];
            // A header that could not be read still holds "/": never a test, whatever the computer's name.
            if (!ligne.contains(QLatin1String("TEST")) || ligne.contains(QLatin1Char('/')))
                continue;
            if (masquer_incomplets && !test_complet(ligne.mid(29), objectifs))
                continue;
            return {ligne, date_de_cle_triable(cles[i])};
        }
    }
    return {};
}

QString titre_date_test(const QString& date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? nom_jour(d) + QLatin1Char(' ') + date : date;
}
