#include "seance/identification.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(CodeDeNom, les_codes_des_eleves_ne_changent_pas_d_une_version_a_l_autre)
{
    EXPECT_EQ(code_de_nom(QStringLiteral("Dupont_Marie")), QStringLiteral("fp0p"));
    EXPECT_EQ(code_de_nom(QStringLiteral("Lefèvre_Zoé")), QStringLiteral("mf1d"));
    EXPECT_EQ(code_de_nom(QString()), QStringLiteral("aa0a"));
}

TEST(CodeDeNom, tout_code_calcule_se_tape_dans_le_champ)
{
    const QRegularExpression forme(QStringLiteral("^[a-z][a-z][0-9][a-z]$"));
    // Every byte value and many products: the code always passes the code field's filter unchanged.
    for (int c = 1; c < 256; ++c) {
        QString nom = QStringLiteral("Élève_");
        for (int i = 0; i < 7; ++i)
            nom += QChar(static_cast<char16_t>((c + i * 37) % 255 + 1));
        const QString code = code_de_nom(nom);
        EXPECT_TRUE(forme.match(code).hasMatch()) << code.toStdString();
        EXPECT_EQ(elimine_caracteres_interdits_code(code), code);
    }
    for (int h = 1; h < cle_code_eleve; h += 997)
        EXPECT_TRUE(forme.match(code_de_produit(h)).hasMatch());
}

TEST(CodeDeNom, un_produit_multiple_de_n_plus_un_donnerait_un_code_intapable)
{
    EXPECT_EQ(code_de_produit(nombre_codes_plus_un), QStringLiteral("aa0") + QChar(96));
    EXPECT_EQ(code_de_produit(nombre_codes_plus_un - 1), QStringLiteral("zz9z"));
    EXPECT_EQ(code_de_produit(1), QStringLiteral("aa0a"));
    EXPECT_EQ(code_de_produit(28), QStringLiteral("aa1b"));
}

TEST(CodeDeNom, les_accents_comptent_par_leur_octet_windows_1252)
{
    EXPECT_NE(code_de_nom(QStringLiteral("Dupont_Zoé")), code_de_nom(QStringLiteral("Dupont_Zoe")));
    EXPECT_EQ(code_de_nom(QStringLiteral("Dupont_Zoé")), code_de_nom(QString::fromLatin1("Dupont_Zo\xE9")));
}

TEST(SaisieCode, chaque_position_n_accepte_que_ses_caracteres)
{
    EXPECT_EQ(elimine_caracteres_interdits_code(QStringLiteral("a1")), QStringLiteral("a"));
    EXPECT_EQ(elimine_caracteres_interdits_code(QStringLiteral("ab1c")), QStringLiteral("ab1c"));
    EXPECT_EQ(elimine_caracteres_interdits_code(QStringLiteral("abcd")), QStringLiteral("abcd"));
    EXPECT_EQ(elimine_caracteres_interdits_code(QStringLiteral("1a-b2é3c")), QStringLiteral("ab2c"));
    EXPECT_EQ(elimine_caracteres_interdits_code(QStringLiteral("ab12")), QStringLiteral("ab1"));
}

TEST(SaisieCode, le_champ_montre_des_minuscules_et_garde_le_curseur_a_sa_place)
{
    SaisieFiltree s = filtre_saisie_code(QStringLiteral("AB1C"), 4);
    EXPECT_TRUE(s.change);
    EXPECT_EQ(s.texte, QStringLiteral("ab1c"));
    EXPECT_EQ(s.curseur, 4);

    s = filtre_saisie_code(QStringLiteral("a1b"), 2); // caret after the refused digit
    EXPECT_EQ(s.texte, QStringLiteral("ab"));
    EXPECT_EQ(s.curseur, 1);

    s = filtre_saisie_code(QStringLiteral("ab"), 2);
    EXPECT_FALSE(s.change);
}

TEST(SaisieNom, lettres_du_nom_gardees_tout_le_reste_refuse)
{
    EXPECT_EQ(elimine_caracteres_interdits_nom_prenom(QStringLiteral("o'brien")), QStringLiteral("obrien"));
    EXPECT_EQ(elimine_caracteres_interdits_nom_prenom(QStringLiteral("ŠŒšœŸÀÖØÝàïñöøýÿ")),
        QStringLiteral("ŠŒšœŸÀÖØÝàïñöøýÿ"));
    EXPECT_EQ(
        elimine_caracteres_interdits_nom_prenom(QStringLiteral("a1_2ðßþ×÷.,/\\:ł€b")), QStringLiteral("ab"));
}

TEST(SaisieNom, espaces_et_tirets_seulement_apres_une_lettre_et_jamais_doubles)
{
    EXPECT_EQ(elimine_caracteres_interdits_nom_prenom(QStringLiteral("  jean  ")), QStringLiteral("jean "));
    EXPECT_EQ(
        elimine_caracteres_interdits_nom_prenom(QStringLiteral("-jean--luc")), QStringLiteral("jean-luc"));
    EXPECT_EQ(
        elimine_caracteres_interdits_nom_prenom(QStringLiteral("le - goff")), QStringLiteral("le goff"));
    EXPECT_EQ(elimine_caracteres_interdits_nom_prenom(QStringLiteral("'' x")), QStringLiteral("x"));
}

TEST(SaisieNom, majuscules_au_debut_de_chaque_mot_seulement)
{
    EXPECT_EQ(rectifie_majuscules(QStringLiteral("dupont-martin")), QStringLiteral("dupont-Martin"));
    EXPECT_EQ(rectifie_majuscules(QStringLiteral("DUPONT")), QStringLiteral("Dupont"));
    EXPECT_EQ(rectifie_majuscules(QStringLiteral("ÉLOÏSE_ŒDIPE ÿves-šAŠA")),
        QStringLiteral("Éloïse_Œdipe Ÿves-Šaša"));
}

TEST(SaisieNom, le_champ_recoit_le_nom_filtre_avec_majuscules)
{
    SaisieFiltree s = filtre_saisie_nom(QStringLiteral("  jean  "), 8);
    EXPECT_TRUE(s.change);
    EXPECT_EQ(s.texte, QStringLiteral("Jean "));
    EXPECT_EQ(s.curseur, 5);

    EXPECT_EQ(filtre_saisie_nom(QStringLiteral("MARIE-claire"), 12).texte, QStringLiteral("Marie-Claire"));
    EXPECT_EQ(filtre_saisie_nom(QStringLiteral("dupont-martin"), 0).texte, QStringLiteral("Dupont-Martin"));
    EXPECT_EQ(filtre_saisie_nom(QStringLiteral("élodie"), 0).texte, QStringLiteral("Élodie"));
    // "e" followed by a combining acute accent, as some keyboards send it.
    EXPECT_EQ(filtre_saisie_nom(QStringLiteral("ze\u0301lie"), 0).texte, QStringLiteral("Zélie"));

    s = filtre_saisie_nom(QStringLiteral("Jo1e"), 3); // caret after the refused digit
    EXPECT_EQ(s.texte, QStringLiteral("Joe"));
    EXPECT_EQ(s.curseur, 2);

    EXPECT_FALSE(filtre_saisie_nom(QStringLiteral("Marie"), 5).change);
    EXPECT_FALSE(filtre_saisie_nom(QString(), 0).change);
}

TEST(NettoieEspaces, seuls_les_espaces_entre_deux_lettres_restent)
{
    EXPECT_EQ(nettoie_espaces(QStringLiteral("Dupont _Jean ")), QStringLiteral("Dupont_Jean"));
    EXPECT_EQ(nettoie_espaces(QStringLiteral(" Le Goff_Marie Anne")), QStringLiteral("Le Goff_Marie Anne"));
    EXPECT_EQ(nettoie_espaces(QStringLiteral("Ben- Ali_Sami")), QStringLiteral("Ben-Ali_Sami"));
    // Letters of the name alphabet outside the comparison alphabet keep their space too.
    EXPECT_EQ(nettoie_espaces(QStringLiteral("Novak_Anna Šárka")), QStringLiteral("Novak_Anna Šárka"));
}

TEST(DistanceNoms, alignement_optimal_avec_transpositions)
{
    EXPECT_EQ(distance_noms(QString(), QStringLiteral("abc")), 3);
    EXPECT_EQ(distance_noms(QStringLiteral("abcd"), QString()), 4);
    EXPECT_EQ(distance_noms(QStringLiteral("dupont"), QStringLiteral("dupont")), 0);
    EXPECT_EQ(distance_noms(QStringLiteral("dupont"), QStringLiteral("dupond")), 1);
    EXPECT_EQ(distance_noms(QStringLiteral("dupont"), QStringLiteral("duopnt")), 1);
    EXPECT_EQ(distance_noms(QStringLiteral("kitten"), QStringLiteral("sitting")), 3);
    // A substring is edited once: not the 2 of an unrestricted transposition distance.
    EXPECT_EQ(distance_noms(QStringLiteral("ca"), QStringLiteral("abc")), 3);
    EXPECT_EQ(distance_noms(QStringLiteral("é"), QStringLiteral("e")), 1);
}

TEST(NomsSemblables, fautes_accents_casse_et_ordre_des_mots)
{
    const QString a = QStringLiteral("Dupont_Marie");
    EXPECT_TRUE(noms_semblables(a, QStringLiteral("Dupond_Marie")));
    EXPECT_TRUE(noms_semblables(a, QStringLiteral("Marie_Dupont")));
    EXPECT_TRUE(noms_semblables(a, QStringLiteral("DUPONT_MARIÉ")));
    EXPECT_TRUE(noms_semblables(a, QStringLiteral("Dupon_Mari")));
    EXPECT_FALSE(noms_semblables(a, QStringLiteral("Dupo_Mar")));
    EXPECT_FALSE(noms_semblables(a, QStringLiteral("Durand_Paul")));
    EXPECT_TRUE(noms_semblables(QStringLiteral("Le Goff_Marie Anne"), QStringLiteral("Legoff_Anne")));
    EXPECT_TRUE(noms_semblables(QStringLiteral("Lœtitia_Bœuf"), QStringLiteral("Loetitia_Boeuf")));
}

TEST(NomsSemblables, plus_de_trois_mots_dans_une_partie_ne_ressemble_a_rien)
{
    EXPECT_TRUE(noms_semblables(QStringLiteral("A B C_Jean"), QStringLiteral("Abc_Jean")));
    EXPECT_FALSE(noms_semblables(QStringLiteral("A B C D_Jean"), QStringLiteral("A B C D_Jean")));
}

TEST(NomFichier, un_nom_de_fichier_d_eleve_ne_sort_pas_de_son_dossier)
{
    EXPECT_TRUE(nom_fichier_valide(QStringLiteral("Dupont_Marie")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("Dupont")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("_Marie")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("Dupont_")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("../x_y")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("x_..\\y")));
    EXPECT_FALSE(nom_fichier_valide(QStringLiteral("..x_y")));
}
