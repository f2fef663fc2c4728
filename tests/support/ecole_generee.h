#pragma once

#include "core/dates.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "storage/raccourci.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <random>

// A school generated into a folder for tests and benchmarks: `eleves` pupils spread over `classes` classes
// of one school year, each history holding `seances` séances of one test of the 64 classic products (about
// 900 bytes a séance), one séance a day from `debut`. Deterministic for a given seed.
struct EcoleGeneree
{
    int eleves = 30;
    int classes = 2;
    int seances = 10;
    QString etablissement = QStringLiteral("Collège de Valbrume");
    QString annee = QStringLiteral("2024-2025");
    QDate debut = QDate(2024, 9, 2);
    unsigned graine = 1;

    // The school of the benchmarks: 1,000 pupils in 40 classes, 100 séances each (about 85 MB).
    static EcoleGeneree de_banc()
    {
        EcoleGeneree g;
        g.eleves = 1000;
        g.classes = 40;
        g.seances = 100;
        return g;
    }

    static QString nom_classe(int c) { return QStringLiteral("C%1").arg(c + 1, 2, 10, QLatin1Char('0')); }
    static QString nom_eleve(int e)
    {
        return QStringLiteral("Eleve%1_Prenom%2").arg(e, 4, 10, QLatin1Char('0')).arg(e % 7);
    }

    // The history lines of pupil `e`.
    QStringList historique(int e) const
    {
        std::mt19937 hasard(graine * 7919u + unsigned(e));
        std::uniform_int_distribution<int> temps(8, 90), erreur(0, 19);
        QStringList lignes;
        for (int s = 0; s < seances; ++s) {
            const QDate jour = debut.addDays(s);
            QString enregistrements;
            for (int a = 2; a <= 9; ++a)
                for (int b = 2; b <= 9; ++b) {
                    const int reponse = erreur(hasard) == 0 ? a * b + 1 : a * b;
                    enregistrements += enregistrement_reponse(QStringLiteral("%1%2")
                                                                  .arg(a, 2, 10, QLatin1Char('0'))
                                                                  .arg(b, 2, 10, QLatin1Char('0')),
                        temps(hasard), reponse);
                }
            lignes << ligne_entete_seance(nom_jour(jour), date_texte(jour), QStringLiteral("10:00:00"),
                QStringLiteral("10:20:00"), QStringLiteral("SALLE-1"));
            lignes << ligne_test(QStringLiteral("10:01:00"), QStringLiteral("10:06:00"), enregistrements);
        }
        return lignes;
    }

    QString dossier_etablissement(const QString& dossier_eleves) const
    {
        return dossier_eleves + QLatin1Char('/') + etablissement;
    }

    // Writes every history and every class shortcut; false at the first failure.
    bool ecrit(const QString& dossier_eleves) const
    {
        const QString etab = dossier_etablissement(dossier_eleves);
        for (int c = 0; c < classes; ++c)
            if (!QDir().mkpath(etab + QLatin1Char('/') + annee + QLatin1Char('/') + nom_classe(c)))
                return false;
        for (int e = 0; e < eleves; ++e) {
            const QString base = nom_eleve(e);
            const QString chemin = etab + QLatin1Char('/') + base + QStringLiteral(".txt");
            if (!ecrit_lignes(chemin, historique(e)))
                return false;
            const QString classe
                = etab + QLatin1Char('/') + annee + QLatin1Char('/') + nom_classe(e % classes);
            if (!cree_raccourci(classe, base, chemin))
                return false;
        }
        return true;
    }
};
