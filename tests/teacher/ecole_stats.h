#pragma once

#include "core/etat.h"
#include "support/dossier_test.h"
#include "teacher/ecole_suivi.h"

// The class statistics' school: "Collège Test", school year 2024-2025, classes 61 and 62 (sixième) and 51
// (cinquième). A pupil's history is written unless empty.
struct EcoleStats
{
    QString dossier_etablissement() const { return m_dossier.chemin(ecole_suivi::etablissement); }
    QString dossier_annee() const { return dossier_etablissement() + QLatin1Char('/') + ecole_suivi::annee; }
    void ajoute(const QString& classe, const QString& base, const QStringList& historique) const
    {
        ecole_suivi::ajoute(m_dossier.chemin(), classe, base, historique);
    }
    DossierTest m_dossier;
};

// A test on the date: `justes` classic products right in 2 s (score justes × 100 div 64, speed 30).
inline QStringList historique_test(int justes, const QString& date = QStringLiteral("03/12/2024"))
{
    return ecole_suivi::un_test(QStringLiteral("Mardi"), date, justes);
}

// The table of 2 answered right in about 4800 ÷ `vitesse` tenths: that many correct answers a minute.
inline QStringList historique_vitesse(int vitesse)
{
    const int total = std::max(8, 4800 / vitesse);
    QString r;
    for (int b = 2; b <= 9; ++b)
        r += QStringLiteral("P020%1%2%3")
                 .arg(b)
                 .arg(total / 8 + (b == 9 ? total % 8 : 0), 3, 10, QLatin1Char('0'))
                 .arg(2 * b, 4, 10, QLatin1Char('0'));
    return {ecole_suivi::entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")), ecole_suivi::test(r)};
}

inline QVector<Niveau> niveaux_stats()
{
    return {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("62")}},
        {QStringLiteral("cinquième"), {QStringLiteral("51")}}};
}
