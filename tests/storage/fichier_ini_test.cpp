#include "storage/fichier_ini.h"
#include "support/dossier_test.h"

#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrit_brut(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

} // namespace

TEST(FichierIni, sections_et_cles_se_trouvent_sans_egard_a_la_casse_accents_compris)
{
    const auto ini
        = FichierIni::depuis_texte(QStringLiteral("[Paramètres]\r\nTemps de réponse acceptable=4\r\n"
                                                  "[Perfectionnement]\r\nTemps de réponse initial=8\r\n"));
    EXPECT_EQ(ini.lit_entier(QStringLiteral("PARAMÈTRES"), QStringLiteral("temps de RÉPONSE acceptable")), 4);
    EXPECT_EQ(
        ini.lit_entier(QStringLiteral("perfectionnement"), QStringLiteral("Temps de réponse initial")), 8);
    // An accent is part of the name: "reponse" is another key.
    EXPECT_EQ(
        ini.lit_entier(QStringLiteral("Paramètres"), QStringLiteral("Temps de reponse acceptable")), -1);
    EXPECT_EQ(
        ini.lit_entier(QStringLiteral("Parametres"), QStringLiteral("Temps de réponse acceptable")), -1);
}

TEST(FichierIni, une_cle_absente_ou_un_entier_illisible_donne_la_valeur_par_defaut)
{
    const auto ini = FichierIni::depuis_texte(
        QStringLiteral("[A]\nvide=\nmot=douze\nmixte=12abc\nespaces=  12  \nnegatif=-3\ntexte =  a b  \n"));
    EXPECT_EQ(ini.lit_texte(QStringLiteral("A"), QStringLiteral("absente")),
        QStringLiteral("Fichier Tabrix.ini endommagé"));
    EXPECT_EQ(
        ini.lit_texte(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("*")), QStringLiteral("*"));
    EXPECT_EQ(ini.lit_texte(QStringLiteral("A"), QStringLiteral("vide")), QString());
    EXPECT_EQ(ini.lit_texte(QStringLiteral("A"), QStringLiteral("texte")), QStringLiteral("a b"));
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("absente")), -1);
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("vide")), -1);
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("mot"), 7), 7);
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("mixte")), -1);
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("espaces")), 12);
    EXPECT_EQ(ini.lit_entier(QStringLiteral("A"), QStringLiteral("negatif")), -3);
}

TEST(FichierIni, un_fichier_endommage_se_lit_autant_que_possible)
{
    DossierTest d;
    const QString chemin = d.chemin("Tabrix.ini");
    // UTF-8 BOM, a key before any section, LF-only lines, binary bytes, a line without "=", a duplicated
    // section.
    QByteArray brut("\xEF\xBB\xBF"
                    "perdue=1\n[General]\nMode=Ecole\n");
    brut += QByteArray("\x01\x02\xFF\x00\x7F\n", 6);
    brut += "sans egal\n=sans cle\n[Dossiers]\nNom=D\n[general]\nMode=Maison\nAutorise configuration "
            "personnelle=oui\n";
    ecrit_brut(chemin, brut);
    const FichierIni ini(chemin);
    ASSERT_TRUE(ini.existe());
    EXPECT_EQ(ini.sections(), (QStringList {QStringLiteral("General"), QStringLiteral("Dossiers")}));
    EXPECT_EQ(ini.lit_texte(QStringLiteral("General"), QStringLiteral("Mode")), QStringLiteral("Ecole"));
    EXPECT_EQ(ini.lit_texte(QStringLiteral("General"), QStringLiteral("Autorise configuration personnelle")),
        QStringLiteral("oui"));
    EXPECT_FALSE(ini.contient(QStringLiteral("General"), QStringLiteral("perdue")));
    EXPECT_FALSE(ini.contient(QStringLiteral("General"), QString()));
    EXPECT_EQ(ini.lit_section(QStringLiteral("GENERAL")),
        (QStringList {
            QStringLiteral("Mode=Ecole"), QStringLiteral("Autorise configuration personnelle=oui")}));
    EXPECT_TRUE(ini.lit_section(QStringLiteral("Absente")).isEmpty());
}

TEST(FichierIni, un_fichier_absent_se_lit_vide_et_peut_etre_cree)
{
    DossierTest d;
    FichierIni ini(d.chemin("Tabrix.ini"));
    EXPECT_FALSE(ini.existe());
    EXPECT_EQ(ini.lit_entier(QStringLiteral("Paramètres"), QStringLiteral("Temps de réponse maximum")), -1);
    ini.ecrit_entier(QStringLiteral("Paramètres"), QStringLiteral("Temps de réponse maximum"), 20);
    ASSERT_TRUE(ini.enregistre());
    EXPECT_TRUE(ini.existe());
    EXPECT_EQ(
        contenu(d.chemin("Tabrix.ini")), QByteArray("[Param\xE8tres]\r\nTemps de r\xE9ponse maximum=20\r\n"));
}

TEST(FichierIni, ecrire_une_cle_garde_les_commentaires_l_ordre_et_les_autres_sections)
{
    DossierTest d;
    const QString chemin = d.chemin("Tabrix.ini");
    ecrit_brut(chemin,
        "; r\xE9glages de l'\xE9"
        "cole\r\n[General]\r\nMode=Maison\r\n; fin\r\n\r\n[Codes]\r\n"
        "Identification par code=non\r\n\r\n; dernier\r\n");
    FichierIni ini(chemin);
    ini.ecrit_texte(QStringLiteral("general"), QStringLiteral("MODE"), QStringLiteral("Ecole"));
    ini.ecrit_texte(QStringLiteral("General"), QStringLiteral("Autorise configuration personnelle"),
        QStringLiteral("oui"));
    ini.ecrit_entier(QStringLiteral("Apparence"), QStringLiteral("Taille"), 3);
    ASSERT_TRUE(ini.enregistre());
    EXPECT_EQ(contenu(chemin),
        QByteArray(
            "; r\xE9glages de l'\xE9"
            "cole\r\n[General]\r\nMode=Ecole\r\nAutorise configuration personnelle=oui\r\n; fin\r\n\r\n"
            "[Codes]\r\nIdentification par code=non\r\n\r\n; dernier\r\n\r\n[Apparence]\r\nTaille=3\r\n"));
    EXPECT_EQ(FichierIni(chemin).lit_texte(QStringLiteral("General"), QStringLiteral("Mode")),
        QStringLiteral("Ecole"));
}

TEST(FichierIni, une_section_en_double_s_ecrit_la_ou_elle_se_lit)
{
    auto ini = FichierIni::depuis_texte(QStringLiteral("[A]\nx=1\n[B]\ny=2\n[a]\nx=9\nz=3\n"));
    ini.ecrit_texte(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("5"));
    ini.ecrit_texte(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("6"));
    ini.ecrit_texte(QStringLiteral("A"), QStringLiteral("w"), QStringLiteral("7"));
    EXPECT_EQ(ini.lignes(), (QStringList {"[A]", "x=5", "w=7", "[B]", "y=2", "[a]", "x=9", "z=6"}));
    EXPECT_EQ(ini.lit_texte(QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("5"));
}

TEST(FichierIni, une_valeur_sur_plusieurs_lignes_n_ajoute_pas_de_cle)
{
    auto ini = FichierIni::depuis_texte(QStringLiteral("[Etablissement]\nNom=A\n"));
    ini.ecrit_texte(
        QStringLiteral("Etablissement"), QStringLiteral("Nom"), QStringLiteral("B\r\n[General]\nMode=Ecole"));
    EXPECT_EQ(ini.lignes().size(), 2);
    EXPECT_FALSE(ini.contient(QStringLiteral("General"), QStringLiteral("Mode")));
}

TEST(FichierIni, une_ecriture_impossible_est_signalee_et_laisse_l_ancien_fichier)
{
    DossierTest d;
    FichierIni sans_chemin = FichierIni::depuis_texte(QStringLiteral("[A]\nx=1\n"));
    EXPECT_FALSE(sans_chemin.enregistre().ok);

    FichierIni dossier_absent(d.chemin("absent/Tabrix.ini"));
    dossier_absent.ecrit_texte(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    const Ecriture e = dossier_absent.enregistre();
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_FALSE(dossier_absent.existe());
}

TEST(FichierIni, un_disque_plein_laisse_l_ancien_fichier_intact_et_le_dit)
{
    DossierTest d;
    const QString chemin = d.chemin("Tabrix.ini");
    const QByteArray ancien("[General]\r\nMode=Ecole\r\n");
    ecrit_brut(chemin, ancien);
    // The child process may write 1000 bytes at most, as on a full disk.
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite {1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        FichierIni ini(chemin);
        for (int i = 0; i < 100; ++i)
            ini.ecrit_texte(QStringLiteral("Etablissement"), QStringLiteral("Niveaux et classes %1").arg(i),
                QStringLiteral("sixième<61,62>cinquième<51,52,53>"));
        const Ecriture e = ini.enregistre();
        ::_exit(e.ok ? 1 : (e.erreur.isEmpty() ? 2 : 0));
    }
    int etat = -1;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 0) << "1: réussite annoncée, 2: échec sans message";
    EXPECT_EQ(contenu(chemin), ancien);
}
