#pragma once

#include "core/etat.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

// A school year for the class statistics: class folders of shortcuts and the establishment's histories.
class EcoleStats
{
public:
    QString dossier_etablissement() const { return m_dossier.chemin(QStringLiteral("Collège")); }
    QString dossier_annee() const { return dossier_etablissement() + QStringLiteral("/2024-2025"); }

    // A pupil of the class; his history holds these lines, or is missing when nullopt.
    void ajoute(const QString& classe, const QString& base, const std::optional<QStringList>& historique)
    {
        QDir().mkpath(dossier_annee() + QLatin1Char('/') + classe);
        const QString historique_txt
            = dossier_etablissement() + QLatin1Char('/') + base + QStringLiteral(".txt");
        ecrit_lignes(
            dossier_annee() + QLatin1Char('/') + classe + QLatin1Char('/') + base + QStringLiteral(".lnk"),
            {historique_txt});
        if (historique)
            ecrit_lignes(historique_txt, *historique);
    }

private:
    DossierTest m_dossier;
};

// `justes` of the 64 classic products right in 2 s, the others wrong: the score is justes × 100 div 64.
inline QString reponses_score(int justes)
{
    QString r;
    int n = 0;
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b, ++n)
            r += enregistrement_reponse(
                QStringLiteral("%1%2").arg(a, 2, 10, QLatin1Char('0')).arg(b, 2, 10, QLatin1Char('0')), 20,
                n < justes ? a * b : a * b + 1);
    return r;
}

// The table of 2 answered right in about 4800 ÷ `vitesse` tenths: that many correct answers a minute.
inline QString reponses_vitesse(int vitesse)
{
    const int total = std::max(8, 4800 / vitesse);
    QString r;
    for (int b = 2; b <= 9; ++b)
        r += enregistrement_reponse(
            QStringLiteral("020%1").arg(b), total / 8 + (b == 9 ? total % 8 : 0), 2 * b);
    return r;
}

// One séance on the date with one test of these records.
inline QStringList historique_test(
    const QString& enregistrements, const QString& date = QStringLiteral("03/12/2024"))
{
    return {ligne_entete_seance(QStringLiteral("Mardi"), date, QStringLiteral("14:02:10"),
                QStringLiteral("14:20:47"), QStringLiteral("SALLE-1")),
        ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"), enregistrements)};
}

inline QVector<Niveau> niveaux_stats()
{
    return {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("62")}},
        {QStringLiteral("cinquième"), {QStringLiteral("51")}}};
}
