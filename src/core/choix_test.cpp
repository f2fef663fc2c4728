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

QString date_de_cle(int cle)
{
    return QStringLiteral("%1/%2/%3")
        .arg(cle % 100, 2, 10, QLatin1Char('0'))
        .arg(cle / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(cle / 10000, 4, 10, QLatin1Char('0'));
}

struct LigneDatee
{
    int cle;
    int index;
};

} // namespace

TestChoisi choix_test(const QStringList& historique, ModeChoixTest mode, const QString& date,
    bool masquer_incomplets, const QString& objectifs)
{
    const int demandee = cle_de_ligne(date);
    if (demandee < 0)
        return {};

    // Every line but the headers with the date of its séance; sorted by date, file order kept within a day.
    // Plain integers and one vector: the teacher's statistics run this over every pupil's history.
    std::vector<int> cles;
    std::vector<LigneDatee> lignes;
    lignes.reserve(historique.size());
    int courante = -1;
    for (int i = 0; i < historique.size(); ++i) {
        const QString& ligne = historique[i];
        if (ligne.contains(QLatin1Char('/'))) {
            if (const int cle = cle_de_ligne(ligne); cle >= 0) {
                courante = cle;
                cles.push_back(cle);
                continue;
            }
        }
        if (courante >= 0)
            lignes.push_back({courante, i});
    }
    std::sort(cles.begin(), cles.end());
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    std::stable_sort(
        lignes.begin(), lignes.end(), [](const LigneDatee& a, const LigneDatee& b) { return a.cle < b.cle; });

    qsizetype debut = -1;
    if (mode == ModeChoixTest::dernier)
        debut = std::upper_bound(cles.begin(), cles.end(), demandee) - cles.begin() - 1;
    else if (const auto it = std::lower_bound(cles.begin(), cles.end(), demandee); it != cles.end())
        debut = it - cles.begin();
    if (debut < 0)
        return {};

    const int pas = mode == ModeChoixTest::dernier ? -1 : 1;
    for (qsizetype i = debut; i >= 0 && i < qsizetype(cles.size()); i += pas) {
        const auto [premiere, derniere] = std::equal_range(lignes.begin(), lignes.end(),
            LigneDatee {cles[i], 0}, [](const LigneDatee& a, const LigneDatee& b) { return a.cle < b.cle; });
        for (auto l = premiere; l != derniere; ++l) {
            const QString& ligne = historique[l->index];
            // A header that could not be read still holds "/": never a test, whatever the computer's name.
            if (!ligne.contains(QLatin1String("TEST")) || ligne.contains(QLatin1Char('/')))
                continue;
            if (masquer_incomplets && !test_complet(ligne.mid(29), objectifs))
                continue;
            return {ligne, date_de_cle(cles[i])};
        }
    }
    return {};
}

QString titre_date_test(const QString& date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? nom_jour(d) + QLatin1Char(' ') + date : date;
}
