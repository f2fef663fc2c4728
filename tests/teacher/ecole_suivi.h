#pragma once

#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/raccourci.h"

#include <QDir>
#include <QString>
#include <QStringList>

// A small hand-made school for the class follow-up: "Collège Test", school year 2024-2025.
//   61: Dupont_Marie 85 (02/12), Martin_Léa 7 (03/12), Abcdefghijklmnopqrstu_Vwx 66 (01/12), Sansbilan_Paul
//       with learning only;
//   62: Nouveau_Tom with learning only, and a shortcut whose history is missing;
//   63: no pupil;
//   64: Deux_Anne 67 (28/11), Trois_Luc 68 (29/11).
// Directly in dossier_eleves: Petit_Jean 100 (04/12) and Grand_Eva without test.
namespace ecole_suivi {

inline const QString etablissement = QStringLiteral("Collège Test");
inline const QString annee = QStringLiteral("2024-2025");
inline const QString repertoire_donnees = QStringLiteral(DOSSIER_DONNEES) + QStringLiteral("/teacher/");

// `justes` classic products right in 2 s, then `lentes` right in 5 s (50 points each with T = 4); the other
// products not asked. The score is (100 justes + 50 lentes) div 64.
inline QString enregistrements(int justes, int lentes = 0)
{
    QString e;
    int n = 0;
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b, ++n) {
            if (n >= justes + lentes)
                return e;
            e += QStringLiteral("P%1%2%3%4")
                     .arg(a, 2, 10, QLatin1Char('0'))
                     .arg(b, 2, 10, QLatin1Char('0'))
                     .arg(n < justes ? 20 : 50, 3, 10, QLatin1Char('0'))
                     .arg(a * b, 4, 10, QLatin1Char('0'));
        }
    return e;
}

inline QString entete(const QString& jour, const QString& date,
    const QString& debut = QStringLiteral("14:00:00"), const QString& fin = QStringLiteral("14:20:00"))
{
    return QStringLiteral("Séance du %1 %2 de %3 à %4 sur le poste \"PC1\"").arg(jour, date, debut, fin);
}
inline QString test(const QString& enr, const QString& fin = QStringLiteral("14:06:40"))
{
    return QStringLiteral("\tTEST de 14:01:00 à %1 %2").arg(fin, enr);
}
inline const QString apprentissage = QStringLiteral("\tAPPRENTISSAGE de 14:07:01 à 14:19:58: 84 répétitions");

inline QStringList un_test(const QString& jour, const QString& date, int justes, int lentes = 0)
{
    return {entete(jour, date), test(enregistrements(justes, lentes))};
}

inline void ajoute(
    const QString& dossier_eleves, const QString& classe, const QString& base, const QStringList& h)
{
    const QString etab = dossier_eleves + QLatin1Char('/') + etablissement;
    const QString dossier_classe = etab + QLatin1Char('/') + annee + QLatin1Char('/') + classe;
    QDir().mkpath(dossier_classe);
    const QString chemin = etab + QLatin1Char('/') + base + QStringLiteral(".txt");
    if (!h.isEmpty())
        ecrit_lignes(chemin, h);
    cree_raccourci(dossier_classe, base, chemin);
}

inline void ecrit(const QString& dossier_eleves)
{
    const QString samedi = QStringLiteral("Samedi"), vendredi = QStringLiteral("Vendredi");
    ajoute(dossier_eleves, QStringLiteral("61"), QStringLiteral("Dupont_Marie"),
        un_test(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"), 54, 1));
    ajoute(dossier_eleves, QStringLiteral("61"), QStringLiteral("Martin_Léa"),
        un_test(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), 5));
    ajoute(dossier_eleves, QStringLiteral("61"), QStringLiteral("Abcdefghijklmnopqrstu_Vwx"),
        un_test(QStringLiteral("Dimanche"), QStringLiteral("01/12/2024"), 42, 1));
    ajoute(dossier_eleves, QStringLiteral("61"), QStringLiteral("Sansbilan_Paul"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")), apprentissage});
    ajoute(dossier_eleves, QStringLiteral("62"), QStringLiteral("Nouveau_Tom"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")), apprentissage});
    ajoute(dossier_eleves, QStringLiteral("62"), QStringLiteral("Absent_Zoe"), {});
    QDir().mkpath(
        dossier_eleves + QLatin1Char('/') + etablissement + QLatin1Char('/') + annee + QStringLiteral("/63"));
    ajoute(dossier_eleves, QStringLiteral("64"), QStringLiteral("Deux_Anne"),
        un_test(QStringLiteral("Jeudi"), QStringLiteral("28/11/2024"), 42, 2));
    ajoute(dossier_eleves, QStringLiteral("64"), QStringLiteral("Trois_Luc"),
        un_test(vendredi, QStringLiteral("29/11/2024"), 43, 2));
    ecrit_lignes(dossier_eleves + QStringLiteral("/Petit_Jean.txt"),
        un_test(QStringLiteral("Mercredi"), QStringLiteral("04/12/2024"), 64));
    ecrit_lignes(dossier_eleves + QStringLiteral("/Grand_Eva.txt"),
        {entete(samedi, QStringLiteral("30/11/2024")), apprentissage});
}

// A working folder with the default Tabrix.ini and, in "Eleves", the small school above.
inline bool poste_avec_ecole(const QString& dossier_travail)
{
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(QDir(dossier_travail).filePath(QStringLiteral("Tabrix.ini")));
    if (!ini.enregistre())
        return false;
    ecrit(QDir(dossier_travail).filePath(QStringLiteral("Eleves")));
    return true;
}

} // namespace ecole_suivi
