#include "banc_ttest.h"

#include "storage/records.h"

namespace {

// Tables 3 and 7 at 40 %: three right and fast, one right after 9 s (25), four wrong even at the second
// chance.
QString reponse_40(const QString& code, bool)
{
    const int a = code.left(2).toInt();
    const int b = code.mid(2, 2).toInt();
    if ((a == 3 || a == 7) && b >= 6)
        return QString::number(a * b + 1);
    return valeur_produit(code);
}

int delai_40(const QString& code)
{
    const int a = code.left(2).toInt();
    return (a == 3 || a == 7) && code.mid(2, 2).toInt() == 5 ? 9000 : 1000;
}

} // namespace

class BancResultat : public BancTtest
{
protected:
    bool visible(const char* nom) const { return trouve<QWidget>(nom)->isVisible(); }
    QString texte(const char* nom) const { return etiquette(nom)->text(); }
};

TEST_F(BancResultat, toutes_les_tables_a_100_pour_cent)
{
    session->reglages().temps_reponse_maximum = 20;
    etudie(QStringLiteral("tables_classiques"));
    fenetre->demarre();
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Marie Dupont. test complet"));
    passe_le_test(&BancTtest::juste);
    EXPECT_FALSE(visible("Label3"));
    EXPECT_FALSE(visible("ShapeEx1"));
    EXPECT_FALSE(visible("Label10"));
    EXPECT_TRUE(visible("Label7"));
    EXPECT_EQ(texte("Label8"), QStringLiteral("les tables de "));
    EXPECT_EQ(texte("Label9"), QStringLiteral("2, 3, 4, 5, 6, 7, 8 et 9."));
    EXPECT_EQ(texte("Label_apprec"), QStringLiteral("parfait"));
    EXPECT_EQ(texte("label_pourcent"), QStringLiteral("100%"));
    EXPECT_EQ(etiquette("label_pourcent")->width(), 125);
    EXPECT_EQ(texte("Label_tu_sais"), QStringLiteral("Tu sais tes tables à"));
    EXPECT_FALSE(visible("Label11"));
    EXPECT_FALSE(visible("label_record")); // a list of one line
    EXPECT_EQ(etiquette("Image2")->pixmap().size(), QSize(503, 310));

    // The records list now holds the pupil's line, on disk too.
    ASSERT_EQ(session->liste_records().size(), 1);
    EXPECT_EQ(session->liste_records()[0].left(3), QStringLiteral("100"));
    EXPECT_TRUE(session->liste_records()[0].endsWith(QStringLiteral("Dupont_Marie")));
    const auto fichier = lit_lignes(chemin(QStringLiteral("stats/liste_records.txt")));
    ASSERT_TRUE(fichier.has_value());
    EXPECT_EQ(*fichier, session->liste_records());
}

TEST_F(BancResultat, un_record_battu_sur_une_longue_liste)
{
    QStringList anciens;
    for (int i = 0; i < 31; ++i)
        anciens.append(ligne_record(90, 10 + i, QStringLiteral("Eleve_") + QChar(u'A' + i)));
    ASSERT_TRUE(ecrit_lignes(chemin(QStringLiteral("stats/liste_records.txt")), trie_records(anciens)).ok);
    session->reglages().temps_reponse_maximum = 20;
    etudie(QStringLiteral("tables_classiques"));
    fenetre->demarre();
    passe_le_test(&BancTtest::juste);
    EXPECT_TRUE(visible("label_record"));
    EXPECT_EQ(texte("label_record"), QStringLiteral("RECORD BATTU!!!"));
    EXPECT_EQ(session->liste_records().size(), 32);
}

TEST_F(BancResultat, tables_3_et_7_a_40_pour_cent)
{
    session->reglages().temps_reponse_maximum = 20;
    etudie(QStringLiteral("tables_classiques"));
    fenetre->demarre();
    passe_le_test(&reponse_40, &delai_40);
    EXPECT_TRUE(visible("Label3"));
    EXPECT_TRUE(visible("Label7"));
    EXPECT_TRUE(visible("ShapeEx1"));
    EXPECT_EQ(texte("Label4"), QStringLiteral("les tables de "));
    EXPECT_EQ(texte("Label5"), QStringLiteral("3 et 7."));
    EXPECT_EQ(texte("Label9"), QStringLiteral("2, 4, 5, 6, 8 et 9."));
    EXPECT_EQ(texte("Label10"), QStringLiteral("Conseil: commence par réviser la table de 3."));
    EXPECT_TRUE(visible("Label12"));
    // The pupil's weakest table leads the learning choice.
    EXPECT_EQ(session->eleve().classement_tables.first(), QStringLiteral("table_3=040"));
    EXPECT_TRUE(session->eleve().memorisation.tables_entieres);
}

TEST_F(BancResultat, un_test_partiel_rapporte_a_toutes_les_tables)
{
    etudie(QStringLiteral("table_6,table_7"));
    fenetre->demarre();
    passe_le_test(&BancTtest::juste);
    EXPECT_EQ(texte("Label_tu_sais"), QStringLiteral("Tu sais les tables testées à"));
    EXPECT_EQ(texte("Label9"), QStringLiteral("6 et 7."));
    EXPECT_EQ(texte("label_pourcent"), QStringLiteral("100%"));
    EXPECT_TRUE(visible("Label11"));
    EXPECT_EQ(texte("Label11"), QStringLiteral("c'est à dire 25% de toutes les tables."));
    EXPECT_TRUE(session->liste_records().isEmpty());
}

TEST_F(BancResultat, un_test_des_carres_ne_montre_que_le_graphique)
{
    etudie(QStringLiteral("table_carres"));
    fenetre->demarre();
    passe_le_test(&BancTtest::juste);
    EXPECT_TRUE(visible("Image2"));
    for (const char* nom : {"Label2", "Label3", "Label6", "Label7", "ShapeEx1", "Label10", "Label11",
             "Label12", "Label_tu_sais", "label_pourcent", "Image1", "Label_apprec", "Shape1"})
        EXPECT_FALSE(visible(nom)) << nom;
    EXPECT_EQ(etiquette("Image2")->pixmap().size(), QSize(553, 529));
    // Not classic: the chart of days is left alone, the learning choice follows the test.
    EXPECT_TRUE(session->eleve().jours_tests.isEmpty());
    EXPECT_EQ(session->eleve().dernier_test, fenetre->ligne_seance().mid(29));
}
