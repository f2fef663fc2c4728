#include "storage/niveaux.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Niveaux, la_valeur_par_defaut_donne_quatre_niveaux_et_leurs_classes)
{
    const LectureNiveaux l = lit_niveaux(niveaux_par_defaut);
    ASSERT_EQ(l.niveaux.size(), 4);
    EXPECT_EQ(l.niveaux[0].nom, QStringLiteral("sixième"));
    EXPECT_EQ(l.niveaux[1].classes, (QStringList {"51", "52", "53"}));
    EXPECT_EQ(l.niveaux[3].classes, (QStringList {"31", "32"}));
    EXPECT_TRUE(l.remarques.isEmpty());
    EXPECT_EQ(ecrit_niveaux(l.niveaux), niveaux_par_defaut);
}

TEST(Niveaux, une_valeur_mal_formee_donne_ce_que_la_lecture_produit)
{
    EXPECT_TRUE(lit_niveaux(QString()).niveaux.isEmpty());
    EXPECT_TRUE(lit_niveaux(QStringLiteral("sixième<61,62")).niveaux.isEmpty());
    const LectureNiveaux l = lit_niveaux(QStringLiteral(" 6e < 61 ,,62 >5e<>reste"));
    ASSERT_EQ(l.niveaux.size(), 2);
    EXPECT_EQ(l.niveaux[0].nom, QStringLiteral("6e"));
    EXPECT_EQ(l.niveaux[0].classes, (QStringList {"61", "62"}));
    EXPECT_TRUE(l.niveaux[1].classes.isEmpty());
    // A level without a name is dropped and told.
    const LectureNiveaux sans_nom = lit_niveaux(QStringLiteral("<61>6e<62>"));
    ASSERT_EQ(sans_nom.niveaux.size(), 1);
    EXPECT_EQ(sans_nom.remarques.size(), 1);
}

TEST(Niveaux, les_noms_sont_coupes_a_dix_caracteres)
{
    const LectureNiveaux l = lit_niveaux(QStringLiteral("premièreannée<classe_numéro_1>"));
    ASSERT_EQ(l.niveaux.size(), 1);
    EXPECT_EQ(l.niveaux[0].nom, QStringLiteral("premièrean"));
    EXPECT_EQ(l.niveaux[0].classes, QStringList {QStringLiteral("classe_num")});
    EXPECT_TRUE(l.remarques.isEmpty());

    // A cut that ends on a blank would change the folder name at the next save.
    const LectureNiveaux blanc = lit_niveaux(QStringLiteral("Classe de 6e<61,62>"));
    ASSERT_EQ(blanc.niveaux.size(), 1);
    EXPECT_EQ(blanc.niveaux[0].nom, QStringLiteral("Classe de"));
    EXPECT_EQ(lit_niveaux(ecrit_niveaux(blanc.niveaux)).niveaux[0].nom, blanc.niveaux[0].nom);
}

TEST(Niveaux, au_dela_de_15_niveaux_et_20_classes_le_reste_est_ignore_et_dit_une_fois)
{
    QString valeur;
    for (int n = 1; n <= 17; ++n) {
        valeur += QStringLiteral("N%1<").arg(n);
        for (int c = 1; c <= (n == 1 || n == 2 ? 23 : 2); ++c)
            valeur += QStringLiteral("%1_%2,").arg(n).arg(c);
        valeur.chop(1);
        valeur += QLatin1Char('>');
    }
    const LectureNiveaux l = lit_niveaux(valeur);
    ASSERT_EQ(l.niveaux.size(), 15);
    EXPECT_EQ(l.niveaux[14].nom, QStringLiteral("N15"));
    EXPECT_EQ(l.niveaux[0].classes.size(), 20);
    EXPECT_EQ(l.niveaux[0].classes.last(), QStringLiteral("1_20"));
    ASSERT_EQ(l.remarques.size(), 2);
    EXPECT_TRUE(l.remarques[0].contains(QStringLiteral("« N16 », « N17 »")));
    EXPECT_TRUE(l.remarques[1].contains(QStringLiteral("« N1 » (3 ignorées), « N2 » (3 ignorées)")));
}

TEST(Niveaux, aucun_nom_de_classe_ne_mene_hors_du_dossier_de_l_annee)
{
    const QString annee = QStringLiteral("/ecole/2024-2025");
    const LectureNiveaux l = lit_niveaux(QStringLiteral("6e<..,.,../..,a/b,c:d,\\\\srv,x*?|\"y,\t\x01z,/>"));
    QStringList classes = l.niveaux.value(0).classes;
    ASSERT_EQ(classes.size(), 9);
    EXPECT_EQ(classes[0], QStringLiteral("__"));
    EXPECT_EQ(classes[1], QStringLiteral("_"));
    EXPECT_EQ(classes[3], QStringLiteral("a_b"));
    for (const QString& c : classes) {
        const QString chemin = QDir::cleanPath(annee + QLatin1Char('/') + c);
        EXPECT_EQ(QDir::cleanPath(chemin + QStringLiteral("/..")), annee) << c.toStdString();
        EXPECT_TRUE(nom_dossier_valide(c)) << c.toStdString();
    }
    ASSERT_EQ(l.remarques.size(), 1);
    EXPECT_TRUE(l.remarques[0].contains(QStringLiteral("« a/b » devient « a_b »")));
    EXPECT_FALSE(nom_dossier_valide(QStringLiteral("..")));
    EXPECT_FALSE(nom_dossier_valide(QStringLiteral(" ")));
    EXPECT_TRUE(nom_dossier_valide(QStringLiteral("6e A")));
}

TEST(Niveaux, l_ecriture_se_relit_a_l_identique_et_neutralise_les_separateurs)
{
    const QVector<Niveau> niveaux {
        {QStringLiteral("6e, bis"), {QStringLiteral("6A"), QStringLiteral("6,B"), QString()}},
        {QStringLiteral("5e"), {QStringLiteral("5A")}}};
    const QString valeur = ecrit_niveaux(niveaux);
    EXPECT_EQ(valeur, QStringLiteral("6e_ bis<6A,6_B>5e<5A>"));
    EXPECT_EQ(ecrit_niveaux(lit_niveaux(valeur).niveaux), valeur);
}

TEST(Niveaux, les_objectifs_d_un_niveau_sont_ceux_de_son_bloc_et_non_d_un_nom_qui_le_contient)
{
    const QString valeur = QStringLiteral("6e<table_6,table_7>e<table_3>Cinquième< table_2 , table_4 >4e<>");
    EXPECT_EQ(objectifs_du_niveau(valeur, QStringLiteral("e")), QStringLiteral("table_3"));
    EXPECT_EQ(objectifs_du_niveau(valeur, QStringLiteral("6e")), QStringLiteral("table_6,table_7"));
    EXPECT_EQ(objectifs_du_niveau(valeur, QStringLiteral("cinquième")), QStringLiteral("table_2,table_4"));
    EXPECT_FALSE(objectifs_du_niveau(valeur, QStringLiteral("4e")).has_value());
    EXPECT_FALSE(objectifs_du_niveau(valeur, QStringLiteral("3e")).has_value());
    EXPECT_FALSE(objectifs_du_niveau(valeur, QString()).has_value());

    const QVector<ObjectifsNiveau> lus = lit_objectifs(valeur);
    ASSERT_EQ(lus.size(), 4);
    EXPECT_EQ(lus[2].tables, (QStringList {"table_2", "table_4"}));
    EXPECT_EQ(
        ecrit_objectifs(lus), QStringLiteral("6e<table_6,table_7>e<table_3>Cinquième<table_2,table_4>4e<>"));
}
