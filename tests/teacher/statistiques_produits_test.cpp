#include "storage/historique_exemples.h"
#include "storage/historique_lignes.h"
#include "teacher/statistiques_produits.h"

#include <gtest/gtest.h>

namespace {

constexpr int T = 4;
constexpr Categories fausses_et_sans_reponse {false, false, true, true};
constexpr Categories bonnes {true, true, false, false};
constexpr int k_6x9 = (6 - 2) * 8 + (9 - 2); // index of 6 × 9 in the cells

QString r(const QString& code, int dixiemes, int reponse)
{
    return enregistrement_reponse(code, dixiemes, reponse);
}

Calcul calcul(const QStringList& reponses, int N, ModeAffichage mode = ModeAffichage::pourcentage,
    const Categories& cochees = fausses_et_sans_reponse, TriConfusions tri = TriConfusions::frequence)
{
    return calcule(reponses, N, mode, cochees, T, tri);
}

} // namespace

TEST(StatistiquesProduits, vingt_cinq_eleves_dont_cinq_faux_et_deux_muets_sur_6x9)
{
    QStringList reponses;
    for (int i = 0; i < 5; ++i)
        reponses << r(QStringLiteral("0609"), 30, 56);
    for (int i = 0; i < 2; ++i)
        reponses << r(QStringLiteral("0609"), 200, 0);
    for (int i = 0; i < 10; ++i)
        reponses << r(QStringLiteral("0609"), 20, 54);
    const Calcul c = calcul(reponses, 25);
    EXPECT_EQ(c.cases[k_6x9].texte, QStringLiteral("28.0"));
    EXPECT_EQ(c.cases[k_6x9].teinte, Teinte::orange);
    EXPECT_EQ(c.confusions, QStringList {QStringLiteral("6×9=56....5 fois")});
    EXPECT_EQ(c.texte_nombre_confusions(), QStringLiteral("1 confusion différente"));
    // 8 untested pupils still lower the share; with no pupil at all every share is 0.
    EXPECT_EQ(calcul(reponses, 33).cases[k_6x9].texte, QStringLiteral("21.2"));
    EXPECT_EQ(calcul({}, 0).cases[k_6x9].texte, QStringLiteral("0.0"));
}

TEST(StatistiquesProduits, seule_la_derniere_reponse_a_un_produit_compte)
{
    const QString deux_fois_56 = r(QStringLiteral("0609"), 30, 56) + r(QStringLiteral("0609"), 25, 56);
    EXPECT_EQ(calcul({deux_fois_56}, 1).confusions, QStringList {QStringLiteral("6×9=56....1 fois")});
    const QString puis_54 = r(QStringLiteral("0609"), 30, 56) + r(QStringLiteral("0609"), 25, 54);
    const Calcul c = calcul({puis_54}, 1, ModeAffichage::nombre, bonnes);
    EXPECT_TRUE(c.confusions.isEmpty());
    EXPECT_EQ(c.cases[k_6x9].texte, QStringLiteral("1"));
}

TEST(StatistiquesProduits, resultats_comptes_comme_confusions)
{
    const QList<int> attendus {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 15, 16, 18, 20, 21, 24, 25, 27, 28, 30, 32,
        35, 36, 40, 42, 45, 48, 49, 50, 54, 56, 60, 63, 64, 70, 72, 80, 81, 90};
    QList<int> comptes;
    for (int v = 0; v <= 200; ++v)
        if (resultat_compte(v))
            comptes << v;
    EXPECT_EQ(comptes, attendus);

    const struct
    {
        int reponse;
        bool confusion;
    } cas[] = {{56, true}, {48, true}, {100, false}, {1, false}, {0, false}, {55, false}};
    for (const auto& c : cas)
        EXPECT_EQ(
            calcul({r(QStringLiteral("0609"), 30, c.reponse)}, 1).nombre_confusions, c.confusion ? 1 : 0)
            << c.reponse;
}

TEST(StatistiquesProduits, produits_etendus_ne_nourrissent_que_les_confusions)
{
    const Calcul c = calcul({r(QStringLiteral("1213"), 30, 56)}, 1, ModeAffichage::nombre);
    EXPECT_EQ(c.confusions, QStringList {QStringLiteral("12×13=56..1 fois")});
    for (const CaseAffichee& a : c.cases)
        EXPECT_EQ(a.texte, QStringLiteral("0"));
}

TEST(StatistiquesProduits, categories_par_le_score_du_produit)
{
    // T = 4: right within 4.0 s is fast, beyond is slow, whatever the spin box says.
    const Calcul c = calcul({r(QStringLiteral("0202"), 40, 4) + r(QStringLiteral("0203"), 41, 6)
                                + r(QStringLiteral("0204"), 50, 9) + r(QStringLiteral("0205"), 200, 0)},
        1);
    const struct
    {
        int k;
        Categorie categorie;
        int temps;
    } cas[] = {{0, Categorie::rapide, 40}, {1, Categorie::lente, 41}, {2, Categorie::fausse, 50},
        {3, Categorie::sans_reponse, 200}};
    for (const auto& x : cas) {
        for (int i = 0; i < nombre_categories; ++i) {
            EXPECT_EQ(c.cellules[x.k].nombres[i], i == int(x.categorie) ? 1 : 0) << x.k;
            EXPECT_EQ(c.cellules[x.k].temps[i], i == int(x.categorie) ? x.temps : 0) << x.k;
        }
    }
}

TEST(StatistiquesProduits, textes_et_couleurs_par_mode)
{
    CelluleProduit deux_bonnes; // 2.35 s on average over two right answers
    deux_bonnes.nombres = {1, 1, 0, 0};
    deux_bonnes.temps = {20, 27, 0, 0};
    CelluleProduit muette;
    muette.nombres = {0, 0, 0, 3};
    const Categories rapides {true, false, false, false};
    const Categories toutes {true, true, true, true};
    const Categories lentes_seules {false, true, false, false};
    const struct
    {
        CelluleProduit cellule;
        int N;
        ModeAffichage mode;
        Categories cochees;
        QString texte;
        std::optional<Teinte> teinte;
    } cas[] = {
        {deux_bonnes, 2, ModeAffichage::temps_moyen, bonnes, QStringLiteral("2.3"), Teinte::gris_clair},
        {deux_bonnes, 2, ModeAffichage::temps_moyen, toutes, QStringLiteral("2.3"), Teinte::blanc},
        {muette, 3, ModeAffichage::temps_moyen, bonnes, QStringLiteral("***"), Teinte::blanc},
        {deux_bonnes, 2, ModeAffichage::pourcentage, bonnes, QStringLiteral("100.0"), Teinte::blanc},
        {deux_bonnes, 3, ModeAffichage::pourcentage, bonnes, QStringLiteral("66.6"), Teinte::rouge},
        {deux_bonnes, 3, ModeAffichage::nombre, rapides, QStringLiteral("1"), Teinte::rouge_fonce},
        {deux_bonnes, 2, ModeAffichage::nombre, rapides, QStringLiteral("1"), Teinte::rouge},
        {muette, 3, ModeAffichage::pourcentage, {false, true, true, true}, QStringLiteral("100.0"),
            Teinte::rouge_fonce},
        {muette, 3, ModeAffichage::pourcentage, {true, false, false, true}, QStringLiteral("100.0"),
            Teinte::blanc},
        {muette, 3, ModeAffichage::pourcentage, lentes_seules, QStringLiteral("0.0"), std::nullopt},
        // 2 right in 4.7 s: 25.5 a minute; 3 unanswered products without time: no pace at all.
        {deux_bonnes, 2, ModeAffichage::vitesse, toutes, QStringLiteral("25.5"), Teinte::gris_clair},
        {muette, 3, ModeAffichage::vitesse, toutes, QStringLiteral("***"), Teinte::blanc},
    };
    for (const auto& x : cas) {
        const CaseAffichee a = case_affichee(x.cellule, x.N, x.mode, x.cochees);
        EXPECT_EQ(a.texte, x.texte) << x.texte.toStdString();
        EXPECT_EQ(a.teinte, x.teinte) << x.texte.toStdString();
    }
}

TEST(StatistiquesProduits, seuils_des_echelles)
{
    const Categories vitesse {true, true, true, true};
    const struct
    {
        int v;
        ModeAffichage mode;
        Categories cochees;
        Teinte teinte;
    } cas[] = {
        {49, ModeAffichage::pourcentage, fausses_et_sans_reponse, Teinte::blanc},
        {50, ModeAffichage::pourcentage, fausses_et_sans_reponse, Teinte::gris_clair},
        {400, ModeAffichage::pourcentage, fausses_et_sans_reponse, Teinte::rouge_fonce},
        {950, ModeAffichage::nombre, bonnes, Teinte::blanc},
        {599, ModeAffichage::nombre, bonnes, Teinte::rouge_fonce},
        {19, ModeAffichage::temps_moyen, bonnes, Teinte::blanc},
        {60, ModeAffichage::temps_moyen, bonnes, Teinte::rouge_fonce},
        {300, ModeAffichage::vitesse, vitesse, Teinte::blanc},
        {120, ModeAffichage::vitesse, vitesse, Teinte::orange},
        {119, ModeAffichage::vitesse, vitesse, Teinte::rouge},
    };
    for (const auto& x : cas)
        EXPECT_EQ(teinte_case(x.v, x.mode, x.cochees), x.teinte) << x.v;
    EXPECT_TRUE((CaseAffichee {QString(), Teinte::rouge}.texte_blanc()));
    EXPECT_FALSE((CaseAffichee {QString(), Teinte::orange}.texte_blanc()));
}

TEST(StatistiquesProduits, tri_des_confusions)
{
    const QStringList lignes {QStringLiteral("6×9=56....3 fois"), QStringLiteral("7×8=54....3"),
        QStringLiteral("8×7=54....9"), QStringLiteral("2×2=3.....7"), QStringLiteral("7×9=56....9"),
        QStringLiteral("3×4=7.....1"), QStringLiteral("4×3=48....1")};
    const struct
    {
        TriConfusions tri;
        QStringList attendu;
    } cas[] = {
        // Ties under "fréquence": the line that sorts later comes first.
        {TriConfusions::frequence,
            {QStringLiteral("8×7=54....9 fois"), QStringLiteral("7×9=56....9"), QStringLiteral("2×2=3.....7"),
                QStringLiteral("7×8=54....3"), QStringLiteral("6×9=56....3"), QStringLiteral("4×3=48....1"),
                QStringLiteral("3×4=7.....1")}},
        {TriConfusions::produit,
            {QStringLiteral("2×2=3.....7 fois"), QStringLiteral("3×4=7.....1"), QStringLiteral("4×3=48....1"),
                QStringLiteral("6×9=56....3"), QStringLiteral("7×8=54....3"), QStringLiteral("7×9=56....9"),
                QStringLiteral("8×7=54....9")}},
        // 54 and 56 total 12 each, 7 and 48 total 1; 3 is too small a result to be grouped.
        {TriConfusions::resultat,
            {QStringLiteral("6×9=56....3 fois"), QStringLiteral("7×9=56....9"), QStringLiteral("7×8=54....3"),
                QStringLiteral("8×7=54....9"), QStringLiteral("3×4=7.....1"), QStringLiteral("4×3=48....1"),
                QStringLiteral("2×2=3.....7")}},
    };
    for (const auto& x : cas)
        EXPECT_EQ(trie(lignes, x.tri), x.attendu) << int(x.tri);
    EXPECT_TRUE(trie({}, TriConfusions::resultat).isEmpty());
}

TEST(StatistiquesProduits, tri_par_resultat_met_un_total_de_12_avant_un_total_de_3)
{
    const QStringList lignes {QStringLiteral("6×9=48....3 fois"), QStringLiteral("7×8=63....12")};
    EXPECT_EQ(trie(lignes, TriConfusions::resultat),
        (QStringList {QStringLiteral("7×8=63....12 fois"), QStringLiteral("6×9=48....3")}));
}
