#include "core/choix_test.h"

#include "core/dates.h"
#include "core/faits.h"

#include <QDate>
#include <algorithm>
#include <vector>

namespace {

// yyyymmdd from the first "/" of a line (dd/mm/yyyy around it), or -1 when the text around it is no date.
int cle_de_ligne(QStringView ligne)
{
    const qsizetype p = ligne.indexOf(QLatin1Char('/'));
    if (p < 2 || ligne.size() < p + 8 || ligne.at(p + 3) != QLatin1Char('/'))
        return -1;
    int cle = 0;
    for (const qsizetype i : {p + 4, p + 5, p + 6, p + 7, p + 1, p + 2, p - 2, p - 1}) {
        const QChar c = ligne.at(i);
        if (!c.isDigit())
            return -1;
        cle = cle * 10 + c.digitValue();
    }
    return cle;
}

QString date_de_cle_triable(int cle)
{
    return QStringLiteral("%1/%2/%3")
        .arg(cle % 100, 2, 10, QLatin1Char('0'))
        .arg(cle / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(cle / 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

TestChoisi choix_test(const QStringList& historique, ModeChoixTest mode, const QString& date,
    bool masquer_incomplets, const QString& objectifs)
{
    const int demandee = cle_de_ligne(date);
    if (demandee < 0)
        return {};

    // (date, line) for every line under a séance header; sorted, the lines of each date stay in file order.
    std::vector<std::pair<int, int>> lignes_du_jour;
    lignes_du_jour.reserve(historique.size());
    int courante = -1;
    for (int i = 0; i < historique.size(); ++i) {
        const QString& ligne = historique[i];
        if (ligne.contains(QLatin1Char('/'))) {
            if (const int cle = cle_de_ligne(ligne); cle >= 0) {
                courante = cle;
                lignes_du_jour.emplace_back(cle, -1); // a date without lines still counts
                continue;
            }
        }
        if (courante >= 0)
            lignes_du_jour.emplace_back(courante, i);
    }
    std::sort(lignes_du_jour.begin(), lignes_du_jour.end());
    // The dates, each with its range in lignes_du_jour.
    struct Jour
    {
        int cle;
        size_t debut, fin;
    };
    std::vector<Jour> jours;
    for (size_t i = 0; i < lignes_du_jour.size(); ++i) {
        if (jours.empty() || jours.back().cle != lignes_du_jour[i].first)
            jours.push_back({lignes_du_jour[i].first, i, i});
        jours.back().fin = i + 1;
    }

    const int n = int(jours.size());
    int debut = -1;
    if (mode == ModeChoixTest::dernier) {
        for (int i = n - 1; i >= 0 && debut < 0; --i)
            if (jours[i].cle <= demandee)
                debut = i;
    } else {
        for (int i = 0; i < n && debut < 0; ++i)
            if (jours[i].cle >= demandee)
                debut = i;
    }
    if (debut < 0)
        return {};

    const int pas = mode == ModeChoixTest::dernier ? -1 : 1;
    for (int i = debut; i >= 0 && i < n; i += pas) {
        for (size_t k = jours[i].debut; k < jours[i].fin; ++k) {
            if (lignes_du_jour[k].second < 0)
                continue;
            const QString& ligne = historique[lignes_du_jour[k].second];
            // A header that could not be read still holds "/": never a test, whatever the computer's name.
            if (!ligne.contains(QLatin1String("TEST")) || ligne.contains(QLatin1Char('/')))
                continue;
            if (masquer_incomplets && !test_complet(ligne.mid(29), objectifs))
                continue;
            return {ligne, date_de_cle_triable(jours[i].cle)};
        }
    }
    return {};
}

QString titre_date_test(const QString& date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? nom_jour(d) + QLatin1Char(' ') + date : date;
}
