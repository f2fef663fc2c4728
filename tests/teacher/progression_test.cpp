#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "teacher/ecole_suivi.h"
#include "teacher/regles_progression.h"

#include <gtest/gtest.h>

using namespace ecole_suivi;

namespace {

PointProgression point(int j, int m, int a, int score, int vitesse = 20)
{
    return {QDate(a, m, j), score, vitesse};
}

// Two séances of the same day: only the first test counts.
QStringList jour_double(const QString& jour, const QString& date, int premier, int second)
{
    return un_test(jour, date, premier) + un_test(jour, date, second);
}

} // namespace

TEST(Progression, l_annee_scolaire_commence_le_lundi_de_la_semaine_du_1er_septembre)
{
    const struct
    {
        const char* annee;
        QDate lundi;
        int semaines;
    } cas[] = {
        {"2024-2025", QDate(2024, 8, 26), 53}, // 1 September 2024 is a Sunday
        {"2025-2026", QDate(2025, 9, 1), 53}, // a Monday, as is 31 August 2026
        {"2024", QDate(), 0},
        {"2024-2026", QDate(), 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(premier_lundi(QString::fromLatin1(c.annee)), c.lundi) << c.annee;
        EXPECT_EQ(semaines_de_l_annee(QString::fromLatin1(c.annee)), c.semaines) << c.annee;
    }
    EXPECT_EQ(annee_scolaire_de(QDate(2025, 8, 31)), QStringLiteral("2024-2025"));
    EXPECT_EQ(annee_scolaire_de(QDate(2025, 9, 1)), QStringLiteral("2025-2026"));
}

TEST(Progression, chaque_eleve_pese_une_fois_par_semaine_et_une_semaine_sans_test_reste_vide)
{
    const QVector<EleveProgression> eleves {
        // Two tests in week 1 (50 and 70): he brings 60. Week 3: 90.
        {QStringLiteral("61"), {point(3, 9, 2024, 50), point(5, 9, 2024, 70), point(17, 9, 2024, 90)}},
        // Week 1: 81; a test without classic products brings nothing; one of last year neither.
        {QStringLiteral("61"), {point(4, 9, 2024, 81), point(10, 9, 2024, -1), point(12, 6, 2024, 5)}},
        {QStringLiteral("62"), {point(31, 8, 2025, 40)}},
        {QStringLiteral("61"), {}},
    };
    const DonneesProgression d = moyennes_par_semaine(QStringLiteral("2024-2025"),
        {QStringLiteral("61"), QStringLiteral("62"), QStringLiteral("63")}, eleves);
    ASSERT_EQ(d.courbes.size(), 3);
    const CourbeClasse& c61 = d.courbes[0];
    EXPECT_EQ(c61.eleves, 3);
    ASSERT_EQ(c61.moyennes.size(), 53);
    EXPECT_EQ(c61.moyennes[0], -1);
    EXPECT_EQ(c61.moyennes[1], 70); // (60 + 81) / 2 = 70.5, half to even
    EXPECT_EQ(c61.moyennes[2], -1);
    EXPECT_EQ(c61.moyennes[3], 90);
    EXPECT_EQ(std::count(c61.moyennes.cbegin(), c61.moyennes.cend(), -1), 51);
    EXPECT_EQ(d.courbes[1].moyennes.last(), 40);
    EXPECT_EQ(d.courbes[2].eleves, 0);
    EXPECT_EQ(std::count(d.courbes[2].moyennes.cbegin(), d.courbes[2].moyennes.cend(), -1), 53);

    const QStringList texte = d.lignes_texte();
    EXPECT_EQ(texte[0], QStringLiteral("semaine du\t61\t62\t63"));
    EXPECT_EQ(texte[2], QStringLiteral("02/09/2024\t70\t-\t-"));
    EXPECT_EQ(d.lignes_csv()[2], QStringLiteral("02/09/2024;70;;"));
    EXPECT_EQ(d.lignes_csv().last(), QStringLiteral("25/08/2025;;40;"));
    EXPECT_EQ(description_progression_classes(d),
        QStringLiteral(
            "Progression des classes en 2024-2025, score moyen par semaine. 61 : 2 semaines testées, "
            "de 70 % la semaine du 02/09/2024 à 90 % la semaine du 16/09/2024. 62 : 1 semaines "
            "testées, de 40 % la semaine du 25/08/2025 à 40 % la semaine du 25/08/2025. 63 : aucun "
            "test."));
}

TEST(Progression, sur_une_ecole_faite_a_la_main_l_eleve_qui_change_de_classe_compte_une_fois)
{
    DossierTest dossier;
    const QString eleves = dossier.chemin(QStringLiteral("Eleves"));
    // Marie: 32 of 64 right (50 %) then, the same day, 64 (not counted); 48 (75 %) a week later.
    ajoute(eleves, QStringLiteral("61"), QStringLiteral("Dupont_Marie"),
        jour_double(QStringLiteral("Mardi"), QStringLiteral("03/09/2024"), 32, 64)
            + un_test(QStringLiteral("Mardi"), QStringLiteral("10/09/2024"), 48));
    // Léo moved from 61 to 62 during the year: his shortcut is in both; he counts in 61 only. His test of
    // last June is not of this year.
    const QStringList leo = un_test(QStringLiteral("Lundi"), QStringLiteral("10/06/2024"), 0)
        + un_test(QStringLiteral("Mercredi"), QStringLiteral("04/09/2024"), 64);
    ajoute(eleves, QStringLiteral("61"), QStringLiteral("Bernard_Léo"), leo);
    ajoute(eleves, QStringLiteral("62"), QStringLiteral("Bernard_Léo"), leo);
    ajoute(eleves, QStringLiteral("62"), QStringLiteral("Petit_Zoé"),
        un_test(QStringLiteral("Jeudi"), QStringLiteral("05/09/2024"), 16));
    ajoute(eleves, QStringLiteral("62"), QStringLiteral("Absent_Noé"), {});

    ParametresProgression p;
    p.dossier_etablissement = eleves + QLatin1Char('/') + etablissement;
    p.annee = annee;
    p.classes = {QStringLiteral("62"), QStringLiteral("61")};
    const DonneesProgression d = progression_classes(p);
    ASSERT_EQ(d.courbes.size(), 2);
    EXPECT_EQ(d.courbes[0].classe, QStringLiteral("62"));
    EXPECT_EQ(d.courbes[0].eleves, 2);
    EXPECT_EQ(d.courbes[0].moyennes[1], 25);
    EXPECT_EQ(d.courbes[1].eleves, 2);
    EXPECT_EQ(d.courbes[1].moyennes[1], 75); // (50 + 100) / 2
    EXPECT_EQ(d.courbes[1].moyennes[2], 75);
    EXPECT_TRUE(d.illisibles.isEmpty());

    const QVector<PointProgression> marie = progression_eleve(
        resume_historique(lit_fichier(p.dossier_etablissement + QStringLiteral("/Dupont_Marie.txt")).value()),
        4);
    ASSERT_EQ(marie.size(), 2);
    EXPECT_EQ(marie[0].score, 50);
    EXPECT_EQ(marie[1].jour, QDate(2024, 9, 10));
    EXPECT_EQ(description_progression_eleve(marie),
        QStringLiteral("Progression sur 2 jours de test, du 03/09/2024 au 10/09/2024 : score de 50 % à 75 %, "
                       "meilleur 75 % ; rapidité de %1 à %2 bonnes réponses par minute.")
            .arg(marie[0].vitesse)
            .arg(marie[1].vitesse));
    EXPECT_EQ(lignes_csv_eleve(marie),
        (QStringList {QStringLiteral("date;score;rapidité"),
            QStringLiteral("03/09/2024;50;%1").arg(marie[0].vitesse),
            QStringLiteral("10/09/2024;75;%1").arg(marie[1].vitesse)}));
    const ResumeEleve resume_leo = resume_historique(vers_cp1252(leo.join(QStringLiteral("\r\n"))));
    EXPECT_EQ(lignes_csv_eleve(progression_eleve(resume_leo, 4)).value(1), QStringLiteral("10/06/2024;;0"));
    EXPECT_EQ(progression_eleve(resume_leo, 4, annee).size(), 1);
    EXPECT_EQ(progression_eleve(resume_leo, 4).size(), 2);
}
