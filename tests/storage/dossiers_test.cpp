#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/raccourci.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Dossiers, les_listes_suivent_le_masque_sans_point_ni_point_point)
{
    DossierTest d;
    for (const char* f : {"b/x", "A/x", "2024-2025/x", "2023-2024/x"})
        ASSERT_TRUE(d.cree(QString::fromUtf8(f)));
    for (const char* f : {"Zoe_Ali.txt", "emile_Roy.TXT", "Paul_Li.lnk", "notes.ini"})
        ASSERT_TRUE(ecrit_lignes(d.chemin(QString::fromUtf8(f)), {}));
    EXPECT_EQ(sous_dossiers(d.chemin()),
        (QStringList {QStringLiteral("2023-2024"), QStringLiteral("2024-2025"), QStringLiteral("A"),
            QStringLiteral("b")}));
    EXPECT_EQ(sous_dossiers(d.chemin(), QStringLiteral("2*")).size(), 2);
    EXPECT_EQ(fichiers_du_dossier(d.chemin(), QStringLiteral("*.txt")),
        (QStringList {QStringLiteral("emile_Roy.TXT"), QStringLiteral("Zoe_Ali.txt")}));
    EXPECT_EQ(fichiers_du_dossier(d.chemin(), QStringLiteral("*.lnk")),
        QStringList {QStringLiteral("Paul_Li.lnk")});
    EXPECT_TRUE(fichiers_du_dossier(d.chemin(QStringLiteral("absent")), QStringLiteral("*.txt")).isEmpty());

    // What a name leads to decides its list; hidden names, FIFOs and broken links are in neither.
    ASSERT_TRUE(
        QFile::link(d.chemin(QStringLiteral("Zoe_Ali.txt")), d.chemin(QStringLiteral("Lien_Zoe.txt"))));
    ASSERT_TRUE(QFile::link(d.chemin(QStringLiteral("A")), d.chemin(QStringLiteral("Lien_A"))));
    ASSERT_TRUE(QFile::link(d.chemin(QStringLiteral("absent")), d.chemin(QStringLiteral("Casse.txt"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.chemin(QStringLiteral("Tube.txt"))).constData(), 0644), 0);
    ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral(".Cache.txt")), {}));
    ASSERT_TRUE(d.cree(QStringLiteral(".cachee/x")));
    ASSERT_TRUE(d.cree(QStringLiteral("Dossier.txt/x")));
    EXPECT_EQ(fichiers_du_dossier(d.chemin(), QStringLiteral("*.txt")),
        (QStringList {
            QStringLiteral("emile_Roy.TXT"), QStringLiteral("Lien_Zoe.txt"), QStringLiteral("Zoe_Ali.txt")}));
    EXPECT_EQ(sous_dossiers(d.chemin()),
        (QStringList {QStringLiteral("2023-2024"), QStringLiteral("2024-2025"), QStringLiteral("A"),
            QStringLiteral("b"), QStringLiteral("Dossier.txt"), QStringLiteral("Lien_A")}));
}

TEST(Dossiers, la_classe_a_une_date_se_lit_dans_l_annee_scolaire_de_cette_date)
{
    DossierTest d;
    const QString e = d.chemin(QStringLiteral("Etab"));
    ASSERT_TRUE(d.cree(QStringLiteral("Etab/2023-2024/52")));
    ASSERT_TRUE(d.cree(QStringLiteral("Etab/2024-2025/41")));
    ASSERT_TRUE(d.cree(QStringLiteral("Etab/2024-2025/42")));
    ASSERT_TRUE(cree_raccourci(
        e + QStringLiteral("/2023-2024/52"), QStringLiteral("Roy_Emile"), QStringLiteral("x")));
    ASSERT_TRUE(cree_raccourci(
        e + QStringLiteral("/2024-2025/42"), QStringLiteral("Roy_Emile"), QStringLiteral("x")));
    EXPECT_EQ(classe_a_la_date(e, QStringLiteral("Roy_Emile"), QStringLiteral("Vendredi 30/08/2024")),
        QStringLiteral("52"));
    EXPECT_EQ(classe_a_la_date(e, QStringLiteral("Roy_Emile"), QStringLiteral("Lundi 02/09/2024")),
        QStringLiteral("42"));
    EXPECT_EQ(
        classe_a_la_date(e, QStringLiteral("Roy_Emilie"), QStringLiteral("Lundi 02/09/2024")), QString());
    EXPECT_EQ(classe_a_la_date(e, QStringLiteral("Roy_Emile"), QStringLiteral("n'importe quoi")), QString());
}

TEST(Dossiers, la_rentree_cree_tous_les_dossiers_sans_jamais_sortir_de_l_annee)
{
    DossierTest d;
    Reglages r;
    r.dossier_etablissement = d.chemin(QStringLiteral("Eleves/Collège"));
    r.dossier_annee = r.dossier_etablissement + QStringLiteral("/2024-2025");
    r.niveaux = {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("..")}},
        {QStringLiteral("cinquième"), {QStringLiteral("../../x"), QStringLiteral("5 A"), QString()}}};
    ASSERT_TRUE(cree_dossiers_ecole(r));
    EXPECT_EQ(sous_dossiers(r.dossier_etablissement),
        (QStringList {QStringLiteral("2024-2025"), QStringLiteral("Hors classe")}));
    EXPECT_EQ(sous_dossiers(r.dossier_annee), (QStringList {QStringLiteral("5 A"), QStringLiteral("61")}));
    EXPECT_FALSE(QFile::exists(d.chemin(QStringLiteral("Eleves/x"))));

    QFile bloque(d.chemin(QStringLiteral("fichier")));
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    r.dossier_etablissement = d.chemin(QStringLiteral("fichier/Etab"));
    EXPECT_FALSE(cree_dossiers_ecole(r));
}

TEST(Dossiers, les_chemins_d_un_eleve_et_du_monoposte)
{
    Reglages r;
    r.dossier_eleves = QStringLiteral("/srv/Eleves");
    r.dossier_etablissement = QStringLiteral("\\\\serveur\\Tabrix\\Eleves\\Collège");
    r.dossier_programme = QStringLiteral("/opt/tabrix/");
    r.dossier_monoposte = QStringLiteral("Eleves\\local");
    r.nom_etablissement = QStringLiteral("Collège");
    EXPECT_EQ(
        chemin_historique_eleve(r, QStringLiteral("Roy_Emile")), QStringLiteral("/srv/Eleves/Roy_Emile.txt"));
    r.mode_ecole = true;
    EXPECT_EQ(chemin_historique_eleve(r, QStringLiteral("Roy_Emile")),
        QStringLiteral("//serveur/Tabrix/Eleves/Collège/Roy_Emile.txt"));
    EXPECT_EQ(dossier_monoposte_etablissement(r), QStringLiteral("/opt/tabrix/Eleves/local/Collège"));
}

TEST(Raccourcis, un_petit_fichier_windows_1252_qui_nomme_l_historique)
{
    DossierTest d;
    const QString cible = QStringLiteral("\\\\serveur\\Eleves\\Collège\\Œil_Zoé.txt");
    ASSERT_TRUE(cree_raccourci(d.chemin(), QStringLiteral("Œil_Zoé"), cible));
    QFile f(d.chemin(QStringLiteral("Œil_Zoé.lnk")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
        QByteArray("//serveur/Eleves/Coll\xE8ge/\x8C"
                   "il_Zo\xE9.txt\r\n"));
    EXPECT_EQ(cible_raccourci(f.fileName()), QStringLiteral("//serveur/Eleves/Collège/Œil_Zoé.txt"));
    EXPECT_FALSE(cible_raccourci(d.chemin(QStringLiteral("absent.lnk"))));
}

// A copy set aside by a killed write is back before the folder is listed; whatever bears a history's name is
// one, so that a folder or a FIFO there is read (and named unreadable) rather than forgotten.
TEST(Dossiers, les_noms_d_un_dossier_une_copie_mise_de_cote_revenue)
{
    DossierTest d;
    ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral("Lu_Paul.txt")), {}));
    ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral("Mis_Cote.txt.tabrix-tmp-ancien")), {}));
    ASSERT_TRUE(d.cree(QStringLiteral("Dossier_Luc.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.chemin(QStringLiteral("Tube_Lea.TXT"))).constData(), 0644), 0);
    ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral("Lien_Paul.lnk")), {}));
    QFile lien(d.chemin(QStringLiteral("Lien_Zoe.lnk.tabrix-tmp-ancien")));
    ASSERT_TRUE(lien.open(QIODevice::WriteOnly));
    lien.close();
    EXPECT_EQ(fichiers_du_dossier(d.chemin(), QStringLiteral("*.lnk")),
        (QStringList {QStringLiteral("Lien_Paul.lnk"), QStringLiteral("Lien_Zoe.lnk")}));
    EXPECT_EQ(noms_dans(d.chemin(), QStringLiteral(".txt")),
        (QSet<QString> {QStringLiteral("Lu_Paul.txt"), QStringLiteral("Mis_Cote.txt"),
            QStringLiteral("Dossier_Luc.txt"), QStringLiteral("Tube_Lea.TXT")}));
    EXPECT_FALSE(QFile::exists(d.chemin(QStringLiteral("Mis_Cote.txt.tabrix-tmp-ancien"))));
    EXPECT_EQ(fichiers_du_dossier(d.chemin(), QStringLiteral("*.txt")),
        (QStringList {QStringLiteral("Lu_Paul.txt"), QStringLiteral("Mis_Cote.txt")}));
}
