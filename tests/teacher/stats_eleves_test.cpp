#include "core/faits.h"
#include "storage/historique_exemples.h"
#include "teacher/ecole_stats.h"
#include "teacher/regles_graphique_stats.h"
#include "teacher/regles_stats_eleves.h"

#include <gtest/gtest.h>

namespace {

using namespace axes_stats;

class StatsEleves : public ::testing::Test
{
protected:
    DonneesStats donnees(const QString& abscisse, const QString& ordonnee, QVector<bool> cochees = {})
    {
        p.abscisse = abscisse;
        p.ordonnee = ordonnee;
        p.niveaux = niveaux_stats();
        p.classes_cochees = cochees;
        p.dossier_annee = ecole.dossier_annee();
        p.dossier_etablissement = ecole.dossier_etablissement();
        return genere_donnees(p);
    }
    EcoleStats ecole;
    ParametresStats p = [] {
        ParametresStats p;
        p.date = QStringLiteral("31/12/2024");
        return p;
    }();
};

TEST_F(StatsEleves, moyennes_arrondies_au_dessus_classes_sans_teste_absentes_classes_decochees_ignorees)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(41)); // 64
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("B_b"), historique_test(42)); // 65
    ecole.ajoute(
        QStringLiteral("62"), QStringLiteral("C_c"), historique_test(0, QStringLiteral("02/01/2025")));
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("D_d"), {});
    EXPECT_EQ(donnees(classe, score).texte(), QStringLiteral("Score par classe\t100\t4 élèves\t61\t65"));
    EXPECT_EQ(donnees(niveau, rapidite, {true, false, true}).texte(),
        QStringLiteral("Rapidité (nb br/mn) par niveau\t40\t3 élèves\tsixième\t30"));
}

TEST_F(StatsEleves, pourcentage_des_eleves_y_compris_les_non_testes)
{
    for (int i = 0; i < 40; ++i)
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("E_%1").arg(i),
            i < 3        ? historique_test(35) // 54
                : i < 30 ? historique_test(64)
                         : QStringList {});
    const DonneesStats pc = donnees(score, pourcentage_eleves);
    ASSERT_EQ(pc.barres.size(), 10);
    EXPECT_EQ(pc.barres[5], qMakePair(QStringLiteral("50..59%"), 8)); // 7.5
    EXPECT_EQ(pc.barres[9], qMakePair(QStringLiteral("90..100%"), 68)); // 67.5
    EXPECT_EQ(pc.haut, 70);
    EXPECT_TRUE(donnees(score, nb_eleves)
                    .texte()
                    .startsWith(QStringLiteral("Nombre d'élèves par score\t30\t40 élèves\t0..9%\t0\t")));
}

TEST_F(StatsEleves, bandes_de_rapidite_jusqu_a_la_plus_haute_atteinte_et_bornees)
{
    const struct
    {
        int vitesse;
        int barres;
        QString dernier;
    } cas[] = {{52, 11, {}}, {3, 1, QStringLiteral("0..4")}, {49, 10, QStringLiteral("45..49")},
        {600, seaux_rapidite_maximum, {}}};
    for (const auto& c : cas) {
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_vitesse(c.vitesse));
        ASSERT_EQ(vitesse_test(historique_vitesse(c.vitesse)[1]), c.vitesse);
        const DonneesStats d = donnees(rapidite, nb_eleves);
        ASSERT_EQ(d.barres.size(), c.barres) << c.vitesse;
        EXPECT_EQ(d.barres.last(), qMakePair(c.dernier, 1)) << c.vitesse;
    }
}

TEST_F(StatsEleves, avant_tout_test_aucune_barre_mais_tous_comptes)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(64));
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("B_b"), historique_test(10));
    p.date = QStringLiteral("02/12/2024");
    for (const QString& abscisse : {classe, niveau})
        EXPECT_EQ(
            donnees(abscisse, score).texte(), QStringLiteral("Score par %1\t100\t2 élèves").arg(abscisse));
    EXPECT_EQ(donnees(rapidite, nb_eleves).texte(),
        QStringLiteral("Nombre d'élèves par nb bonnes rép/mn\t1\t2 élèves"));
}

TEST_F(StatsEleves, historique_illisible_nomme_et_test_sans_table_classique_sans_score)
{
    QString carres;
    for (int a = 11; a <= 19; ++a)
        carres += QStringLiteral("P%1%1020%2").arg(a).arg(a * a, 4, 10, QLatin1Char('0'));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"),
        {ecole_suivi::entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
            ecole_suivi::test(carres)});
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("C_c"), {});
    QDir().mkpath(ecole.dossier_etablissement() + QStringLiteral("/C_c.txt")); // there, but no file to read
    const DonneesStats d = donnees(classe, score);
    EXPECT_TRUE(d.barres.isEmpty());
    ASSERT_EQ(d.illisibles.size(), 1);
    EXPECT_TRUE(message_illisibles(d.illisibles).contains(QStringLiteral("/C_c.txt")));
    EXPECT_EQ(donnees(classe, rapidite).barres.size(), 1);
}

TEST_F(StatsEleves, incomplets_masques_selon_les_objectifs)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_vitesse(30));
    p.masquer_incomplets = true;
    p.objectifs.par_defaut = QStringLiteral("table_2,table_3");
    EXPECT_TRUE(donnees(classe, rapidite).barres.isEmpty());
    p.objectifs.par_defaut = QStringLiteral("table_2");
    EXPECT_EQ(donnees(classe, rapidite).barres.size(), 1);
}

TEST(EchelleStats, haut_pas_et_geometrie)
{
    for (const auto& [plus_grande, haut] :
        {std::pair {0, 1}, {7, 8}, {9, 10}, {37, 40}, {40, 50}, {100, 200}, {250, 300}})
        EXPECT_EQ(haut_echelle(plus_grande), haut) << plus_grande;
    // 2 to 4 would get a step of 5 above the top itself: they count by 1.
    for (const auto& [haut, pas] :
        {std::pair {1, 1}, {4, 1}, {8, 1}, {10, 1}, {40, 5}, {80, 10}, {100, 10}, {300, 50}, {600, 100}})
        EXPECT_EQ(pas_echelle(haut), pas) << haut;

    DonneesStats d;
    d.titre = QStringLiteral("Score par classe");
    d.haut = 40;
    d.barres = {{QStringLiteral("61"), 20}, {QStringLiteral("une classe très longue"), 40}};
    const auto largeur = [](const QString& s) { return 7 * int(s.size()); };
    const GeometrieStats g = geometrie_stats(d, largeur, 100);
    EXPECT_EQ(g.lignes, 9);
    EXPECT_EQ(g.unite, 33);
    EXPECT_EQ(g.largeur_colonne, 7 * 22 + 10);
    EXPECT_EQ(g.largeur, 2 * 164 + 14);
    EXPECT_EQ(g.hauteur, 80 + 8 * 33);
    EXPECT_EQ(g.barre(1, 40, 40), QRect(14 + 164 + 82 - 20, 40, 40, 8 * 33));
    // One narrow bar: the column keeps 60 pixels, the picture the title's width.
    d.barres = {{QStringLiteral("6"), 1}};
    EXPECT_EQ(geometrie_stats(d, largeur, 300).largeur_colonne, 60);
    EXPECT_EQ(geometrie_stats(d, largeur, 300).largeur, 300 + 2 * 14 + 20);

    EXPECT_EQ(lit_donnees_stats(d.texte())->texte(), d.texte());
    for (const QString& faux :
        {QString(), QStringLiteral("t\tx\t3 élèves"), QStringLiteral("t\t8\t3 élèves\tseul")})
        EXPECT_FALSE(lit_donnees_stats(faux)) << faux.toStdString();
}

} // namespace
