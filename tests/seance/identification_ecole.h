#pragma once

#include "core/etat.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>

// A temporary school: the establishment folder, its "Hors classe" folder and the class folders of 2024-2025,
// with pupils added by a history file and, in a class, a shortcut.
class EcoleTest
{
public:
    explicit EcoleTest(bool ecole = true)
    {
        m_dossier.cree(QStringLiteral("eleves/Ecole Jules Ferry/Hors classe"));
        reglages.mode_ecole = ecole;
        reglages.dossier_programme = m_dossier.chemin() + QLatin1Char('/');
        reglages.dossier_eleves = m_dossier.chemin(QStringLiteral("eleves"));
        reglages.nom_etablissement = QStringLiteral("Ecole Jules Ferry");
        reglages.dossier_etablissement = reglages.dossier_eleves + QStringLiteral("/Ecole Jules Ferry");
        reglages.annee_scolaire = QStringLiteral("2024-2025");
        reglages.dossier_annee = reglages.dossier_etablissement + QStringLiteral("/2024-2025");
        reglages.niveaux = {{QStringLiteral("CP"), {QStringLiteral("CP")}},
            {QStringLiteral("CM1"), {QStringLiteral("CM1-A"), QStringLiteral("CM1-B")}},
            {QStringLiteral("CM2"), {QStringLiteral("CM2")}}};
        for (const Niveau& n : reglages.niveaux) {
            for (const QString& c : n.classes)
                QDir().mkpath(reglages.dossier_annee + QLatin1Char('/') + c);
        }
    }

    QString historique(const QString& nom_fichier) const
    {
        return reglages.dossier_etablissement + QLatin1Char('/') + nom_fichier + QStringLiteral(".txt");
    }

    // A pupil with a one-line history, in `classe` of `annee` (no shortcut when the class is empty).
    void ajoute(const QString& nom_fichier, const QString& classe = {},
        const QString& annee = QStringLiteral("2024-2025"))
    {
        const QString dossier
            = reglages.mode_ecole ? reglages.dossier_etablissement : reglages.dossier_eleves;
        QDir().mkpath(dossier);
        ecrit(dossier + QLatin1Char('/') + nom_fichier + QStringLiteral(".txt"), QStringLiteral("Séance du"));
        if (!classe.isEmpty()) {
            const QString dossier_classe
                = reglages.dossier_etablissement + QLatin1Char('/') + annee + QLatin1Char('/') + classe;
            QDir().mkpath(dossier_classe);
            ecrit(dossier_classe + QLatin1Char('/') + nom_fichier + QStringLiteral(".lnk"),
                historique(nom_fichier));
        }
    }

    // Without the atomic writer's sync: a test school of 120 pupils is made in a moment.
    static void ecrit(const QString& chemin, const QString& ligne)
    {
        QFile f(chemin);
        if (f.open(QIODevice::WriteOnly))
            f.write(vers_cp1252(ligne) + "\r\n");
    }

    QString chemin(const QString& relatif) const { return m_dossier.chemin(relatif); }

    Reglages reglages;

private:
    DossierTest m_dossier;
};
