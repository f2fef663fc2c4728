#include "storage/fichier_texte.h"
#include "storage/records.h"
#include "storage/verrou_fichier.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Records : public ::testing::Test
{
protected:
    void SetUp() override
    {
        c.local = d.chemin(QStringLiteral("poste/stats/liste_records.txt"));
        c.serveur = d.chemin(QStringLiteral("serveur/Tabrix/stats/liste_records.txt"));
        ASSERT_TRUE(d.cree(QStringLiteral("serveur/Tabrix/stats")));
    }
    QStringList pleine() const
    {
        QStringList l;
        for (int i = 0; i < taille_max_records; ++i)
            l.append(ligne_record(50 + i % 40, i, QStringLiteral("Eleve_%1").arg(i)));
        return trie_records(l);
    }
    DossierTest d;
    CheminsRecords c;
};

} // namespace

TEST(DecodeRecords, lignes_d_affichage_du_meilleur_au_moins_bon)
{
    EXPECT_EQ(decode_liste_records({}), QStringList {QStringLiteral("Aucun record.")});
    const QStringList lignes = decode_liste_records({QStringLiteral("007003Martin_Léa"),
        QStringLiteral("092014Dupont_Marie"), QStringLiteral("100120Berthelot-Delacroix_Marie-Christine")});
    EXPECT_EQ(lignes,
        (QStringList {QStringLiteral("score                      (vitesse)"), QStringLiteral("  "),
            QStringLiteral(" 100% Berthelot-Delacroix Marie-Christine (120)"),
            QStringLiteral("  92% Dupont Marie........... (14)"),
            QStringLiteral("   7% Martin Léa............. ( 3)")}));
    // A line without "_" or with letters in its numbers is shown, not fatal.
    EXPECT_EQ(decode_liste_records({QStringLiteral("0a0xyzSeul")}).last(),
        QStringLiteral("   0% Seul ") + QString(18, QLatin1Char('.')) + QStringLiteral(" ( 0)"));
}

TEST(DecodeRecords, la_ligne_garde_ses_colonnes_fixes)
{
    EXPECT_EQ(ligne_record(92, 14, QStringLiteral("Dupont_Marie")), QStringLiteral("092014Dupont_Marie"));
    EXPECT_EQ(ligne_record(100, 4500, QStringLiteral("A_B")), QStringLiteral("100999A_B"));
    EXPECT_EQ(trie_records({QStringLiteral("100012b_b"), QStringLiteral(""), QStringLiteral("100009A_A"),
                  QStringLiteral("100009a_a")}),
        (QStringList {QStringLiteral("100009A_A"), QStringLiteral("100012b_b")}));
}

TEST_F(Records, un_second_test_remplace_la_ligne_meme_moins_bonne)
{
    QStringList liste;
    c.serveur.clear();
    EXPECT_EQ(mise_a_jour_records(liste, 95, 20, QStringLiteral("Dupont_Jean"), c).rang, 1);
    EXPECT_EQ(mise_a_jour_records(liste, 90, 20, QStringLiteral("Dupont_Jeanne"), c).rang, 2);
    const auto r = mise_a_jour_records(liste, 60, 10, QStringLiteral("Dupont_Jean"), c);
    EXPECT_EQ(r.rang, 2);
    EXPECT_TRUE(r.ecriture);
    EXPECT_TRUE(r.verrou);
    const QStringList attendu {QStringLiteral("060010Dupont_Jean"), QStringLiteral("090020Dupont_Jeanne")};
    EXPECT_EQ(liste, attendu);
    EXPECT_EQ(lit_lignes(c.local), attendu);
}

TEST_F(Records, a_score_egal_la_vitesse_departage)
{
    QStringList liste;
    ASSERT_TRUE(ecrit_lignes(c.serveur, {}));
    EXPECT_EQ(mise_a_jour_records(liste, 100, 12, QStringLiteral("Vite_Ali"), c).rang, 1);
    EXPECT_EQ(mise_a_jour_records(liste, 100, 9, QStringLiteral("Lent_Bob"), c).rang, 2);
    EXPECT_EQ(lit_lignes(c.serveur),
        (QStringList {QStringLiteral("100009Lent_Bob"), QStringLiteral("100012Vite_Ali")}));
    EXPECT_FALSE(QFile::exists(c.local)) << "the server copy is the one written";
}

TEST_F(Records, liste_pleine_le_plus_faible_sort_et_le_nouveau_trop_faible_n_entre_pas)
{
    const QStringList depart = pleine();
    ASSERT_TRUE(ecrit_lignes(c.serveur, depart));
    QStringList liste;
    const auto r = mise_a_jour_records(liste, 80, 0, QStringLiteral("Nouveau_Venu"), c);
    EXPECT_EQ(liste.size(), taille_max_records);
    EXPECT_FALSE(liste.contains(depart.first()));
    EXPECT_EQ(r.rang, taille_max_records - liste.indexOf(QStringLiteral("080000Nouveau_Venu")));
    EXPECT_EQ(lit_lignes(c.serveur), liste);

    const QStringList avant = liste;
    EXPECT_EQ(mise_a_jour_records(liste, 0, 0, QStringLiteral("Dernier_Arrive"), c).rang, 0);
    EXPECT_EQ(lit_lignes(c.serveur), avant);
}

TEST_F(Records, une_liste_trop_longue_venue_d_ailleurs_revient_a_la_limite)
{
    QStringList longue = pleine();
    for (int i = 0; i < 12; ++i)
        longue.append(ligne_record(99, i, QStringLiteral("Ajout_%1").arg(i)));
    ASSERT_TRUE(ecrit_lignes(c.serveur, trie_records(longue)));
    QStringList liste;
    const auto r = mise_a_jour_records(liste, 100, 10, QStringLiteral("Nouveau_Venu"), c);
    EXPECT_EQ(liste.size(), taille_max_records);
    EXPECT_EQ(r.rang, 1);
    EXPECT_EQ(lit_lignes(c.serveur), liste);
}

TEST_F(Records, au_demarrage_la_copie_du_serveur_prime_et_remplace_la_locale)
{
    EXPECT_TRUE(charge_liste_records(c).isEmpty());
    ASSERT_TRUE(d.cree(QStringLiteral("poste/stats")));
    ASSERT_TRUE(ecrit_lignes(c.local, {QStringLiteral("050050Local_Seul")}));
    EXPECT_EQ(charge_liste_records(c), QStringList {QStringLiteral("050050Local_Seul")});
    ASSERT_TRUE(ecrit_lignes(c.serveur, {QStringLiteral("090050B_B"), QStringLiteral("060050A_A")}));
    const QStringList attendu {QStringLiteral("060050A_A"), QStringLiteral("090050B_B")};
    EXPECT_EQ(charge_liste_records(c), attendu);
    EXPECT_EQ(trie_records(lit_lignes(c.local).value()), attendu);
}

TEST_F(Records, un_verrou_tenu_ailleurs_n_empeche_pas_d_enregistrer)
{
    ASSERT_TRUE(ecrit_lignes(c.serveur, {QStringLiteral("060050A_A")}));
    QLockFile autre(VerrouFichier::chemin_verrou(c.serveur));
    ASSERT_TRUE(autre.tryLock(0));
    QStringList liste;
    const auto r = mise_a_jour_records(liste, 70, 10, QStringLiteral("B_B"), c, 20);
    EXPECT_FALSE(r.verrou);
    EXPECT_EQ(r.rang, 1);
    EXPECT_EQ(
        lit_lignes(c.serveur), (QStringList {QStringLiteral("060050A_A"), QStringLiteral("070010B_B")}));
}

TEST_F(Records, une_liste_illisible_n_est_pas_ecrasee)
{
    ASSERT_TRUE(QDir().mkpath(c.serveur)); // exists, cannot be read
    QStringList liste;
    const auto r = mise_a_jour_records(liste, 70, 10, QStringLiteral("B_B"), c);
    EXPECT_FALSE(r.ecriture);
    EXPECT_TRUE(QFileInfo(c.serveur).isDir());
}

TEST_F(Records, une_liste_laissee_de_cote_par_une_ecriture_tuee_garde_ses_lignes)
{
    QStringList trente;
    for (int i = 0; i < 30; ++i)
        trente.append(ligne_record(50 + i, 100, QStringLiteral("Eleve_%1").arg(i)));
    ASSERT_TRUE(ecrit_lignes(c.serveur, trie_records(trente)));
    ASSERT_TRUE(QFile::rename(c.serveur, c.serveur + QStringLiteral(".tabrix-tmp-ancien")));
    // Set aside after the start had loaded nothing: the recording itself must find the list again.
    QStringList liste;
    mise_a_jour_records(liste, 100, 10, QStringLiteral("Nouveau_Venu"), c);
    EXPECT_EQ(lit_lignes(c.serveur).value_or(QStringList()).size(), 31);
    EXPECT_EQ(liste.size(), 31);
}
