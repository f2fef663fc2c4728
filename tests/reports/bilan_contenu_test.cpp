#include "core/faits.h"
#include "reports/bilan_contenu.h"
#include "reports/bilan_contenu_page.h"
#include "reports/exemples_bilan.h"

#include <gtest/gtest.h>

namespace {

// Every text of the page, each line's pieces joined, in drawing order.
QStringList textes(const ContenuBilan& c, SupportBilan support = SupportBilan::impression)
{
    QStringList t;
    for (const ElementBilan& e : compose_page_bilan(c, support)) {
        if (e.sorte != ElementBilan::Sorte::texte)
            continue;
        QString ligne;
        for (const MorceauBilan& m : e.morceaux)
            ligne += m.texte;
        t << ligne;
    }
    return t;
}

const CaseBilan* case_de(const ContenuBilan& c, int a, int b)
{
    for (const CaseBilan& cas : c.cases)
        if (cas.a == a && cas.b == b)
            return &cas;
    return nullptr;
}

} // namespace

TEST(ContenuBilan, un_test_parfait)
{
    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enregistrements_tables()));
    EXPECT_EQ(c.cases.size(), 64);
    EXPECT_EQ(c.nb_rapides, 64);
    EXPECT_EQ(c.nb_lentes, 0);
    EXPECT_EQ(c.nb_fausses, 0);
    EXPECT_TRUE(c.texte_mal_sues.isEmpty());
    EXPECT_EQ(c.texte_bien_sues, QStringLiteral("9, 8, 7, 6, 5, 4, 3, et 2."));
    EXPECT_TRUE(c.toutes_tables());
    EXPECT_EQ(c.score, 100);
    EXPECT_EQ(c.niveau, QStringLiteral("parfait"));
    EXPECT_EQ(c.vitesse, 30);

    const QStringList t = textes(c);
    EXPECT_TRUE(t.contains(QStringLiteral(" 64 réponses justes et suffisamment rapides: cases blanches")));
    EXPECT_TRUE(t.contains(QStringLiteral(" 0 réponses justes mais trop lentes: cases grises")));
    EXPECT_TRUE(t.contains(QStringLiteral(" 0 réponses fausses ou absentes: cases noires")));
    EXPECT_TRUE(t.contains(QStringLiteral("tables mal sues: (aucune)")));
    EXPECT_TRUE(t.contains(QStringLiteral("tables bien sues: 9, 8, 7, 6, 5, 4, 3, et 2.")));
    EXPECT_TRUE(t.contains(QStringLiteral("Niveau de connaissance des tables:  100%parfait.")));
    EXPECT_TRUE(t.contains(
        QStringLiteral("moins de 50%: très faible;  50-69%:faible;  70-84%: passable;  85-94%: bien; "
                       "95-99%: très bien;  100%: parfait.")));
    EXPECT_EQ(t.filter(QStringLiteral("Conseil: ")).size(), 0);
    EXPECT_EQ(t.count(QStringLiteral("parfait")), 8);
    EXPECT_EQ(t.count(QStringLiteral("100%")), 8);
    EXPECT_TRUE(t.contains(QStringLiteral("Rapidité: 30")));
    EXPECT_TRUE(t.contains(QStringLiteral("(30 bonnes réponses par minute)")));
}

TEST(ContenuBilan, une_table_mal_sue_au_singulier_et_le_conseil)
{
    // Table 7 answered wrong everywhere, 9 × 9 right but slowly (4.2 s).
    const QString enr = enregistrements_tables(2, 9, [](int a, int b) {
        if (a == 7)
            return enregistrement(a, b, 30, a * b + 1);
        return enregistrement(a, b, a == 9 && b == 9 ? 42 : 20, a * b);
    });
    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enr));
    EXPECT_EQ(c.nb_rapides, 55);
    EXPECT_EQ(c.nb_lentes, 1);
    EXPECT_EQ(c.nb_fausses, 8);
    EXPECT_EQ(c.texte_mal_sues, QStringLiteral("7"));
    EXPECT_EQ(c.texte_bien_sues, QStringLiteral("8, 6, 5, 4, 3, 2, et 9."));
    EXPECT_EQ(case_de(c, 9, 9)->temps, QStringLiteral("4,2s"));
    EXPECT_EQ(case_de(c, 9, 9)->genre, GenreCase::lente);
    EXPECT_EQ(case_de(c, 7, 3)->reponse, QStringLiteral("22"));
    EXPECT_EQ(case_de(c, 7, 3)->genre, GenreCase::fausse);

    const QStringList t = textes(c);
    EXPECT_TRUE(t.contains(QStringLiteral("table mal sue: 7")));
    EXPECT_TRUE(t.contains(QStringLiteral(" 1 seule réponse juste mais trop lente: case grise")));
    EXPECT_TRUE(t.contains(QStringLiteral("Conseil: Marie devrait commencer par apprendre la table de 7")));
    EXPECT_TRUE(t.contains(QStringLiteral("T.faible")));
    EXPECT_TRUE(t.contains(QStringLiteral("bien")));
}

TEST(ContenuBilan, listes_des_tables_triees_des_plus_faibles_et_des_meilleures)
{
    // Table 3 slow (50), 5 wrong or passed, 8 at 84 %; 2 and 9 at 93 (ties in table order), 4 perfect; 6 and
    // 7 untested.
    const QString enr = enregistrements_tables(2, 5, [](int a, int b) {
        if (a == 3)
            return enregistrement(a, b, 50, a * b);
        if (a == 5)
            return enregistrement(a, b, 20, b == 2 ? 10 : 0);
        if (a == 2)
            return enregistrement(a, b, b == 2 ? 50 : 20, a * b);
        return enregistrement(a, b, 20, a * b);
    }) + enregistrements_tables(8, 9, [](int a, int b) {
        if (a == 8)
            return enregistrement(a, b, b == 2 ? 50 : (b == 3 ? 100 : 20), a * b);
        return enregistrement(a, b, b == 9 ? 41 : 20, a * b);
    });
    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enr));
    EXPECT_EQ(c.pourcentages[1], 50);
    EXPECT_EQ(c.pourcentages[3], 12);
    EXPECT_EQ(c.pourcentages[6], 84);
    EXPECT_EQ(c.pourcentages[0], 93);
    EXPECT_EQ(c.pourcentages[7], 93);
    EXPECT_EQ(c.pourcentages[4], -1);
    EXPECT_EQ(c.texte_mal_sues, QStringLiteral("5, 3, et 8."));
    EXPECT_EQ(c.texte_bien_sues, QStringLiteral("4, 9, et 2."));
    EXPECT_EQ(c.table_conseil, QStringLiteral("5"));
    EXPECT_EQ(c.tables_evaluees, 6);
    EXPECT_EQ(case_de(c, 5, 3)->reponse, QStringLiteral("?"));
    EXPECT_EQ(case_de(c, 5, 3)->temps, QStringLiteral("(ne sait pas)"));
    EXPECT_EQ(case_de(c, 5, 3)->genre, GenreCase::absente);
}

TEST(ContenuBilan, un_test_partiel_des_tables_6_et_7)
{
    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enregistrements_tables(6, 7)));
    EXPECT_EQ(c.tables_evaluees, 2);
    EXPECT_FALSE(c.toutes_tables());
    EXPECT_EQ(c.pourcentage, 25); // the 48 untested products count 0
    EXPECT_EQ(c.texte_bien_sues, QStringLiteral("7, et 6."));

    const QStringList imprime = textes(c);
    EXPECT_TRUE(imprime.contains(QStringLiteral("Niveau de connaissance des tables testées:  100%")));
    EXPECT_TRUE(imprime.contains(QStringLiteral("soit 25% de toutes les tables.")));
    const QStringList pdf = textes(c, SupportBilan::pdf);
    EXPECT_TRUE(pdf.contains(QStringLiteral("c'est à dire 25% de toutes les tables")));
    EXPECT_FALSE(pdf.contains(QStringLiteral("soit 25% de toutes les tables.")));

    for (const ElementBilan& e : compose_page_bilan(c, SupportBilan::impression))
        for (const MorceauBilan& m : e.morceaux)
            EXPECT_NE(m.sorte, MorceauBilan::Sorte::fleche);
}

TEST(ContenuBilan, je_ne_sais_pas_et_seconde_chance)
{
    // 2 × 2 passed ("0000"), 2 × 3 wrong then right at the second chance.
    const QString enr
        = enregistrement(2, 2, 61, 0) + enregistrement(2, 3, 20, 7) + enregistrement(2, 3, 35, 6);
    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enr));
    ASSERT_EQ(c.cases.size(), 2);
    EXPECT_EQ(case_de(c, 2, 2)->reponse, QStringLiteral("?"));
    EXPECT_EQ(case_de(c, 2, 2)->temps, QStringLiteral("(ne sait pas)"));
    EXPECT_EQ(case_de(c, 2, 3)->genre, GenreCase::rapide);
    EXPECT_EQ(case_de(c, 2, 3)->temps, QStringLiteral("3,5s"));
    EXPECT_EQ(c.nb_fausses, 1);
    EXPECT_EQ(c.nb_rapides, 1);

    // The absent answer's cell is black with white texts.
    bool noire = false;
    for (const ElementBilan& e : compose_page_bilan(c, SupportBilan::impression))
        if (e.sorte == ElementBilan::Sorte::rectangle_plein && e.x1 == 1 && e.y1 == 421)
            noire = e.teinte == TeinteBilan::noir && e.x2 == 224 && e.y2 == 519;
    EXPECT_TRUE(noire);
    const QStringList t = textes(c);
    EXPECT_TRUE(t.contains(QStringLiteral("2×2............")));
    EXPECT_TRUE(textes(c, SupportBilan::pdf).contains(QStringLiteral("2×2.........")));
}

TEST(ContenuBilan, a_la_maison_ni_classe_ni_etablissement)
{
    const ContenuBilan maison = calcule_contenu_bilan(donnees_bilan(enregistrements_tables(), {}));
    const QStringList t = textes(maison);
    EXPECT_EQ(t.filter(QStringLiteral("Classe de")).size(), 0);
    EXPECT_EQ(t.filter(QStringLiteral("Jules Ferry")).size(), 0);
    EXPECT_EQ(t.mid(0, 3),
        QStringList({QStringLiteral("Tables de multiplication"), QStringLiteral("DUPONT Marie"),
            QStringLiteral("Test du Mardi 03/12/2024:")}));

    const QStringList ecole = textes(calcule_contenu_bilan(donnees_bilan(enregistrements_tables())));
    EXPECT_TRUE(ecole.contains(QStringLiteral("Classe de CM1a")));
    EXPECT_TRUE(ecole.contains(QStringLiteral("École Jules Ferry")));
}

TEST(ContenuBilan, textes_des_temps_et_des_mots)
{
    EXPECT_EQ(texte_dixiemes(42, QLatin1Char(',')), QStringLiteral("4,2s"));
    EXPECT_EQ(texte_dixiemes(40, QLatin1Char(',')), QStringLiteral("4s"));
    EXPECT_EQ(texte_dixiemes(3, QLatin1Char(',')), QStringLiteral("0,3s"));
    EXPECT_EQ(mot_table(-1), QString());
    EXPECT_EQ(mot_table(49), QStringLiteral("T.faible"));
    EXPECT_EQ(mot_table(84), QStringLiteral("passable"));
    EXPECT_EQ(mot_table(85), QStringLiteral("bien"));
    EXPECT_EQ(mot_table(99), QStringLiteral("T.bien"));
}

TEST(ContenuBilan, seuls_les_produits_classiques_ont_une_case)
{
    const QString etendu = enregistrement(12, 13, 20, 156) + enregistrement(11, 11, 20, 121);
    EXPECT_FALSE(test_classique(etendu));
    EXPECT_FALSE(test_classique(enregistrement(2, 2, 20, 4) + etendu));
    EXPECT_FALSE(test_classique(QString()));
    EXPECT_TRUE(test_classique(enregistrements_tables(6, 7)));

    const ContenuBilan c = calcule_contenu_bilan(donnees_bilan(enregistrement(2, 2, 20, 4) + etendu));
    EXPECT_EQ(c.cases.size(), 1);
    const ContenuBilan vide = calcule_contenu_bilan(donnees_bilan(QString()));
    EXPECT_EQ(vide.cases.size(), 0);
    EXPECT_EQ(vide.score, 0);
}

TEST(ContenuBilan, le_temps_amenage_est_dit_sous_la_classe_et_ne_change_aucun_verdict)
{
    // Every product right in 5 s: slow for the school's 4 s, whatever time the pupil was given.
    const QString lentes
        = enregistrements_tables(2, 9, [](int a, int b) { return enregistrement(a, b, 50, a * b); });
    DonneesBilan d = donnees_bilan(lentes);
    const ContenuBilan sans = calcule_contenu_bilan(d);
    for (const Amenagement a : amenagements) {
        d.amenagement = a;
        const ContenuBilan c = calcule_contenu_bilan(d);
        EXPECT_EQ(c.nb_lentes, 64);
        EXPECT_EQ(c.score, sans.score);
        EXPECT_EQ(c.niveau, sans.niveau);
        const QStringList t = textes(c);
        const QStringList dits = t.filter(QStringLiteral("temps aménagé"));
        if (a == Amenagement::aucun)
            EXPECT_TRUE(dits.isEmpty());
        else
            EXPECT_EQ(dits, QStringList {QStringLiteral("temps aménagé : ") + texte_amenagement(a)});
    }
    d.amenagement = Amenagement::tiers;
    EXPECT_TRUE(
        textes(calcule_contenu_bilan(d), SupportBilan::pdf).contains(QStringLiteral("temps aménagé : +1/3")));
}
