#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/historique_exemples.h"
#include "support/dossier_test.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString entete(const QString& date, const QString& debut)
{
    return ligne_entete_seance(
        QStringLiteral("Mardi"), date, debut, QStringLiteral("23:59:00"), QStringLiteral("PC"));
}

QString test(const QString& debut)
{
    return ligne_test(debut, QStringLiteral("23:00:00"), QStringLiteral("P070903000630"));
}

} // namespace

TEST(Fusion, deux_copies_identiques_gardent_chaque_ligne_une_fois)
{
    const QStringList h = historique_long(40);
    EXPECT_EQ(fusionne_lignes(h, h), fusionne_lignes(h, {}));
    EXPECT_EQ(fusionne_lignes(h, h).size(), h.size());
}

TEST(Fusion, une_copie_plus_longue_n_apporte_que_ce_qui_manque)
{
    const QStringList courte = historique_long(30);
    const QStringList longue = historique_long(40);
    EXPECT_EQ(fusionne_lignes(courte, longue), fusionne_lignes(longue, {}));
    EXPECT_EQ(fusionne_lignes(longue, courte), fusionne_lignes(longue, {}));
    // Two copies with different séances: the union, dated.
    const QStringList a {
        entete(QStringLiteral("03/12/2024"), QStringLiteral("10:00:00")), test(QStringLiteral("10:01:00"))};
    const QStringList b {entete(QStringLiteral("02/12/2024"), QStringLiteral("15:00:00")),
        test(QStringLiteral("15:01:00")), entete(QStringLiteral("03/12/2024"), QStringLiteral("09:00:00")),
        test(QStringLiteral("09:01:00"))};
    EXPECT_EQ(fusionne_lignes(a, b), (QStringList {b[0], b[1], b[2], b[3], a[0], a[1]}));
}

TEST(Fusion, les_lignes_sans_heure_vont_apres_les_seances_du_meme_jour)
{
    const QString app = ligne_apprentissage(QStringLiteral("10:05:00"), QStringLiteral("10:09:00"), 30);
    const QString perf = ligne_perfectionnement(
        QStringLiteral("10:10:00"), QStringLiteral("10:19:00"), QStringLiteral("facile"));
    const QStringList h {entete(QStringLiteral("03/12/2024"), QStringLiteral("10:00:00")),
        test(QStringLiteral("10:01:00")), app, perf,
        entete(QStringLiteral("03/12/2024"), QStringLiteral("16:00:00")), test(QStringLiteral("16:01:00")),
        entete(QStringLiteral("04/12/2024"), QStringLiteral("08:00:00"))};
    EXPECT_EQ(fusionne_lignes(h, h), (QStringList {h[0], h[1], h[4], h[5], perf, app, h[6]}));
}

TEST(Fusion, les_lignes_ne_different_que_par_la_casse_ne_comptent_qu_une_fois)
{
    // A line too short for a time sorts under its day with spaces for a time, before the headers.
    const QStringList s {
        entete(QStringLiteral("03/12/2024"), QStringLiteral("10:00:00")), QStringLiteral("\tnote ABC")};
    const QStringList l {QStringLiteral("avant tout"), s[0], QStringLiteral("\tnote abc")};
    EXPECT_EQ(fusionne_lignes(l, s), (QStringList {QStringLiteral("avant tout"), s[1], s[0]}));
}

TEST(Fusion, les_entetes_abimees_ne_font_pas_planter)
{
    const QStringList h {QStringLiteral("/"), QStringLiteral("x/"), QStringLiteral("\tTEST"), QString(),
        QStringLiteral("Séance du Mardi 3/1/24")};
    EXPECT_EQ(fusionne_lignes(h, {}).size(), h.size());
}

TEST(Fusion, les_deux_fichiers_recoivent_la_fusion)
{
    DossierTest d;
    const QString l = d.chemin(QStringLiteral("local.txt"));
    const QString s = d.chemin(QStringLiteral("serveur.txt"));
    ASSERT_TRUE(ecrit_lignes(l, historique_long(12)));
    ASSERT_TRUE(ecrit_lignes(s, historique_long(10)));
    ASSERT_TRUE(fusionne_historiques(l, s));
    const auto attendu = fusionne_lignes(historique_long(12), {});
    EXPECT_EQ(lit_lignes(l), attendu);
    EXPECT_EQ(lit_lignes(s), attendu);
}

TEST(Fusion, une_copie_illisible_arrete_tout_avant_d_ecrire)
{
    DossierTest d;
    const QString l = d.chemin(QStringLiteral("local.txt"));
    const QString s = d.chemin(QStringLiteral("serveur.txt"));
    ASSERT_TRUE(ecrit_lignes(l, historique_long(3)));
    ASSERT_TRUE(QDir().mkpath(s));
    EXPECT_FALSE(fusionne_historiques(l, s));
    EXPECT_EQ(lit_lignes(l), historique_long(3));
}

TEST(Fusion, une_seance_enregistree_deux_fois_garde_son_entete_la_plus_tardive)
{
    const QString t = test(QStringLiteral("10:01:00"));
    const QString serveur = ligne_entete_seance(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"),
        QStringLiteral("10:00:00"), QStringLiteral("10:06:41"), QStringLiteral("PC"));
    const QString poste = ligne_entete_seance(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"),
        QStringLiteral("10:00:00"), QStringLiteral("10:19:59"), QStringLiteral("PC"));
    const QString autre_poste = ligne_entete_seance(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"),
        QStringLiteral("10:00:00"), QStringLiteral("10:30:00"), QStringLiteral("PC-2"));
    EXPECT_EQ(fusionne_lignes({poste, t}, {serveur, t}), (QStringList {poste, t}));
    EXPECT_EQ(fusionne_lignes({serveur, t}, {poste, t}), (QStringList {poste, t}));
    EXPECT_EQ(fusionne_lignes({autre_poste}, {serveur, t}).size(), 3);
}
