#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/plateforme_factice.h"
#include "teacher/enregistrement_configuration.h"
#include "teacher/regles_parametres.h"

#include <gtest/gtest.h>

namespace {

// A school machine whose server share lies in the test folder.
class Enregistrement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(d.cree(QStringLiteral("poste")));
        ASSERT_TRUE(d.cree(QStringLiteral("serveur")));
        FichierIni ini = FichierIni::depuis_texte(QStringLiteral(
            "[General]\nMode=Ecole\n[Dossiers]\nChemin serveur=%1\\\n[Etablissement]\nNom=Ancien\n")
                                                      .arg(d.chemin(QStringLiteral("serveur"))));
        ini.change_chemin(local());
        ASSERT_TRUE(ini.enregistre());
    }

    QString local() const { return d.chemin(QStringLiteral("poste/Tabrix.ini")); }
    QString maitre() const { return d.chemin(QStringLiteral("serveur/Tabrix/Tabrix.ini")); }
    static QString nom(const QString& chemin)
    {
        return FichierIni(chemin).lit_texte(cles::etablissement, cles::nom);
    }

    BilanEnregistrement enregistre_nom(const QString& chemin_local = {})
    {
        return enregistre_configuration(
            chemin_local.isEmpty() ? local() : chemin_local,
            [](FichierIni& ini) {
                ini.ecrit_texte(cles::etablissement, cles::nom, QStringLiteral("Nouveau"));
            },
            plateforme);
    }

    DossierTest d;
    PlateformeFactice plateforme;
};

} // namespace

TEST_F(Enregistrement, en_ecole_la_copie_du_serveur_absente_est_creee_depuis_le_fichier_du_poste)
{
    BilanEnregistrement b = enregistre_nom();
    EXPECT_TRUE(b.local && b.serveur) << b.message.toStdString();
    EXPECT_TRUE(b.message.isEmpty());
    EXPECT_EQ(nom(local()), QStringLiteral("Nouveau"));
    // Made from this machine's file: every key, so that other machines get a whole configuration.
    EXPECT_EQ(FichierIni(maitre()).lignes(), FichierIni(local()).lignes());
}

TEST_F(Enregistrement, un_serveur_injoignable_ou_une_copie_impossible_garde_l_enregistrement_local_et_le_dit)
{
    plateforme.injoignables.insert(d.chemin(QStringLiteral("serveur")));
    BilanEnregistrement b = enregistre_nom();
    EXPECT_TRUE(b.local);
    EXPECT_FALSE(b.serveur);
    EXPECT_TRUE(b.message.startsWith(QStringLiteral("Le serveur ")));
    EXPECT_TRUE(b.message.contains(QStringLiteral("sur ce poste seulement")));
    EXPECT_EQ(nom(local()), QStringLiteral("Nouveau"));

    // A folder in the master copy's place: it cannot be replaced.
    plateforme.injoignables.clear();
    ASSERT_TRUE(d.cree(QStringLiteral("serveur/Tabrix/Tabrix.ini")));
    b = enregistre_nom();
    EXPECT_TRUE(b.local);
    EXPECT_FALSE(b.serveur);
    EXPECT_TRUE(b.message.startsWith(QStringLiteral("La configuration du serveur")))
        << b.message.toStdString();
}

TEST_F(Enregistrement, un_tabrix_ini_impossible_a_ecrire_reste_tel_quel_et_le_serveur_n_est_pas_touche)
{
    // A folder that refuses the replacement: the file's place is taken by a folder.
    ASSERT_TRUE(d.cree(QStringLiteral("bloque/Tabrix.ini")));
    const BilanEnregistrement b = enregistre_nom(d.chemin(QStringLiteral("bloque/Tabrix.ini")));
    EXPECT_FALSE(b.local);
    EXPECT_FALSE(b.serveur);
    EXPECT_TRUE(b.message.contains(QStringLiteral("resté tel qu'il était")));
    EXPECT_FALSE(QFileInfo::exists(maitre()));
}

TEST(ParametresConsole, un_dossier_encore_endommage_n_est_pas_enregistre_comme_nom_de_dossier)
{
    ParametresConsole p = lit_parametres_console(
        FichierIni::depuis_texte(QStringLiteral("[Dossiers]\nChemin serveur=/srv\n")));
    EXPECT_EQ(p.dossier_statistiques, FichierIni::texte_absent_minuscule);
    EXPECT_TRUE(p.code_professeur.isEmpty());
    EXPECT_TRUE(refus_parametres_console(p).startsWith(
        QStringLiteral("Tabrix.ini ne donnait pas « Dossier élèves en réseau », « Dossier élèves monoposte "
                       "», « Dossier statistiques »")));
    p.dossier_eleves_reseau = p.dossier_eleves_monoposte = p.dossier_statistiques = QStringLiteral("stats");
    EXPECT_TRUE(refus_parametres_console(p).isEmpty());
}
