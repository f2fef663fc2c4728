#include "core/faits.h"
#include "storage/historique_exemples.h"
#include "teacher/ecole_stats.h"
#include "teacher/regles_graphique_stats.h"
#include "teacher/regles_stats_eleves.h"

#include <gtest/gtest.h>

namespace {

using namespace axes_stats;

ParametresStats parametres(const EcoleStats& ecole, const QString& abscisse, const QString& ordonnee)
{
    ParametresStats p;
    p.abscisse = abscisse;
    p.ordonnee = ordonnee;
    p.date = QStringLiteral("31/12/2024");
    p.niveaux = niveaux_stats();
    p.dossier_annee = ecole.dossier_annee();
    p.dossier_etablissement = ecole.dossier_etablissement();
    return p;
}

TEST(StatsEleves, moyenne_arrondie_au_dessus_et_classe_sans_teste_absente)
{
    EcoleStats ecole;
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(41))); // 64
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("B_b"), historique_test(reponses_score(42))); // 65
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("C_c"), std::nullopt);
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("D_d"), QStringList {});
    const DonneesStats d = genere_donnees(parametres(ecole, classe, score));
    EXPECT_EQ(d.texte(), QStringLiteral("Score par classe\t100\t4 élèves\t61\t65"));
    EXPECT_TRUE(d.illisibles.isEmpty());

    const DonneesStats n = genere_donnees(parametres(ecole, niveau, rapidite));
    EXPECT_EQ(n.texte(), QStringLiteral("Rapidité (nb br/mn) par niveau\t30\t4 élèves\tsixième\t20"));
}

TEST(StatsEleves, pourcentage_des_eleves_y_compris_les_non_testes)
{
    EcoleStats ecole;
    for (int i = 0; i < 40; ++i) {
        const QString base = QStringLiteral("E_%1").arg(i);
        if (i < 3)
            ecole.ajoute(QStringLiteral("61"), base, historique_test(reponses_score(35))); // 54
        else if (i < 30)
            ecole.ajoute(QStringLiteral("62"), base, historique_test(reponses_score(64))); // 100
        else
            ecole.ajoute(QStringLiteral("51"), base,
                historique_test(reponses_score(64), QStringLiteral("02/01/2025")));
    }
    const DonneesStats pc = genere_donnees(parametres(ecole, score, pourcentage_eleves));
    ASSERT_EQ(pc.barres.size(), 10);
    EXPECT_EQ(pc.barres[5], qMakePair(QStringLiteral("50..59%"), 8));
    EXPECT_EQ(pc.barres[9], qMakePair(QStringLiteral("90..100%"), 68));
    EXPECT_EQ(pc.barres[0], qMakePair(QStringLiteral("0..9%"), 0));
    EXPECT_EQ(pc.haut, 70);
    EXPECT_EQ(pc.nb_eleves, 40);

    const DonneesStats nb = genere_donnees(parametres(ecole, score, nb_eleves));
    EXPECT_EQ(nb.barres[9].second, 27);
    EXPECT_EQ(nb.haut, 30);
    EXPECT_TRUE(
        nb.texte().startsWith(QStringLiteral("Nombre d'élèves par score\t30\t40 élèves\t0..9%\t0\t")));
}

TEST(StatsEleves, bandes_de_rapidite_jusqu_a_la_plus_haute_atteinte)
{
    struct Cas
    {
        int vitesse;
        int barres;
        QString dernier_libelle;
    };
    for (const Cas& c : {Cas {52, 11, QString()}, Cas {3, 1, QStringLiteral("0..4")},
             Cas {49, 10, QStringLiteral("45..49")}, Cas {600, seaux_rapidite_maximum, QString()}}) {
        EcoleStats ecole;
        const QString r = reponses_vitesse(c.vitesse);
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(r));
        ASSERT_EQ(vitesse_test(r), c.vitesse);
        const DonneesStats d = genere_donnees(parametres(ecole, rapidite, nb_eleves));
        ASSERT_EQ(d.barres.size(), c.barres) << c.vitesse;
        EXPECT_EQ(d.barres.last(), qMakePair(c.dernier_libelle, 1)) << c.vitesse;
        EXPECT_EQ(d.haut, 2);
    }
}

TEST(StatsEleves, sans_eleve_teste_aucune_barre_mais_tous_comptes)
{
    EcoleStats ecole;
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(64)));
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("B_b"), historique_test(reponses_score(10)));
    for (const QString& abscisse : {classe, niveau, rapidite}) {
        ParametresStats p = parametres(ecole, abscisse, abscisse == rapidite ? nb_eleves : score);
        p.date = QStringLiteral("02/12/2024"); // "le dernier au" before every test
        const DonneesStats d = genere_donnees(p);
        EXPECT_TRUE(d.barres.isEmpty()) << abscisse.toStdString();
        EXPECT_EQ(d.nb_eleves, 2);
    }
    ParametresStats p = parametres(ecole, rapidite, nb_eleves);
    p.date = QStringLiteral("02/12/2024");
    EXPECT_EQ(genere_donnees(p).texte(), QStringLiteral("Nombre d'élèves par nb bonnes rép/mn\t1\t2 élèves"));
}

TEST(StatsEleves, classes_decochees_ignorees_et_historiques_illisibles_nommes)
{
    EcoleStats ecole;
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(64)));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("B_b"), historique_test(reponses_score(0)));
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("C_c"), std::nullopt);
    // A folder where the history should be: it exists but cannot be read.
    QDir().mkpath(ecole.dossier_etablissement() + QStringLiteral("/C_c.txt"));
    ParametresStats p = parametres(ecole, classe, score);
    p.classes_cochees = {true, false, true};
    const DonneesStats d = genere_donnees(p);
    EXPECT_EQ(d.texte(), QStringLiteral("Score par classe\t100\t2 élèves\t61\t100"));
    ASSERT_EQ(d.illisibles.size(), 1);
    EXPECT_TRUE(d.illisibles[0].endsWith(QStringLiteral("/C_c.txt")));
    EXPECT_TRUE(message_illisibles(d.illisibles).contains(QStringLiteral("C_c.txt")));
    EXPECT_TRUE(message_illisibles({}).isEmpty());
}

TEST(StatsEleves, test_sans_table_classique_sans_score)
{
    EcoleStats ecole;
    QString carres;
    for (int a = 11; a <= 19; ++a)
        carres += enregistrement_reponse(QStringLiteral("%1%1").arg(a), 20, a * a);
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(carres));
    EXPECT_TRUE(genere_donnees(parametres(ecole, classe, score)).barres.isEmpty());
    EXPECT_EQ(genere_donnees(parametres(ecole, score, nb_eleves)).barres[0].second, 0);
    EXPECT_EQ(genere_donnees(parametres(ecole, classe, rapidite)).barres.size(), 1);
}

TEST(StatsEleves, incomplets_masques_selon_les_objectifs)
{
    EcoleStats ecole;
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_vitesse(30)));
    ParametresStats p = parametres(ecole, classe, rapidite);
    p.masquer_incomplets = true;
    p.objectifs = QStringLiteral("table_2,table_3");
    EXPECT_TRUE(genere_donnees(p).barres.isEmpty());
    p.objectifs = QStringLiteral("table_2");
    EXPECT_EQ(genere_donnees(p).barres.size(), 1);
}

TEST(StatsEleves, axes_incompatibles_sans_barre)
{
    EcoleStats ecole;
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(64)));
    EXPECT_FALSE(axes_compatibles(score, rapidite));
    EXPECT_FALSE(axes_compatibles(classe, nb_eleves));
    EXPECT_TRUE(axes_compatibles(rapidite, pourcentage_eleves));
    const DonneesStats d = genere_donnees(parametres(ecole, score, rapidite));
    EXPECT_TRUE(d.barres.isEmpty());
    EXPECT_EQ(d.nb_eleves, 1);
}

TEST(StatsEleves, haut_et_pas_de_l_echelle)
{
    const std::pair<int, int> hauts[]
        = {{0, 1}, {7, 8}, {9, 10}, {37, 40}, {40, 50}, {99, 100}, {100, 200}, {250, 300}};
    for (const auto& [plus_grande, haut] : hauts)
        EXPECT_EQ(haut_echelle(plus_grande), haut) << plus_grande;
    // 2 to 4 would get a step of 5 above the top itself: they count by 1.
    const std::pair<int, int> pas[]
        = {{1, 1}, {4, 1}, {8, 1}, {10, 1}, {40, 5}, {80, 10}, {100, 10}, {200, 50}, {300, 50}, {600, 100}};
    for (const auto& [haut, p] : pas)
        EXPECT_EQ(pas_echelle(haut), p) << haut;
}

TEST(StatsEleves, geometrie_du_graphique)
{
    DonneesStats d;
    d.titre = QStringLiteral("Score par classe");
    d.haut = 40;
    d.nb_eleves = 12;
    d.barres = {{QStringLiteral("61"), 20}, {QStringLiteral("une classe très longue"), 40}};
    const auto largeur = [](const QString& s) { return 7 * int(s.size()); };
    const GeometrieStats g = geometrie_stats(d, largeur, 100);
    EXPECT_EQ(g.pas, 5);
    EXPECT_EQ(g.lignes, 9);
    EXPECT_EQ(g.unite, 33);
    EXPECT_EQ(g.largeur_colonne, 7 * 22 + 10);
    EXPECT_EQ(g.marge_gauche, 14);
    EXPECT_EQ(g.largeur, 2 * 164 + 14);
    EXPECT_EQ(g.hauteur, 80 + 8 * 33);
    EXPECT_EQ(g.barre(1, 40, 40), QRect(14 + 164 + 82 - 20, 40, 40, 8 * 33));
    EXPECT_EQ(g.barre(0, 20, 40).height(), 4 * 33);

    d.barres = {{QStringLiteral("6"), 1}};
    const GeometrieStats etroit = geometrie_stats(d, largeur, 300);
    EXPECT_EQ(etroit.largeur_colonne, 60);
    EXPECT_EQ(etroit.largeur, 300 + 2 * 14 + 20);
}

TEST(StatsEleves, texte_relu_et_csv)
{
    DonneesStats d;
    d.titre = QStringLiteral("Nombre d'élèves par nb bonnes rép/mn");
    d.haut = 8;
    d.nb_eleves = 9;
    d.barres = {{QStringLiteral("0..4"), 7}, {QString(), 1}};
    const std::optional<DonneesStats> relu = lit_donnees_stats(d.texte());
    ASSERT_TRUE(relu);
    EXPECT_EQ(relu->texte(), d.texte());
    for (const QString& faux :
        {QString(), QStringLiteral("t\tx\t3 élèves"), QStringLiteral("t\t8\t3 élèves\tseul")})
        EXPECT_FALSE(lit_donnees_stats(faux)) << faux.toStdString();
    d.barres[0].first = QStringLiteral("6;\"A\"");
    EXPECT_EQ(d.lignes_csv(),
        (QStringList {QStringLiteral("nb bonnes rép/mn;Nombre d'élèves"), QStringLiteral("\"6;\"\"A\"\"\";7"),
            QStringLiteral(";1"), QStringLiteral("9 élèves;")}));
}

} // namespace
