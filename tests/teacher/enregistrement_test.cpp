#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/plateforme_factice.h"
#include "support/processus_nobody.h"
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

    BilanEnregistrement enregistre_nom(const QString& chemin_local = {}, const Confirmation& confirme = {})
    {
        return enregistre_configuration(
            chemin_local.isEmpty() ? local() : chemin_local,
            [](FichierIni& ini) {
                ini.ecrit_texte(cles::etablissement, cles::nom, QStringLiteral("Nouveau"));
            },
            plateforme, confirme);
    }

    DossierTest d;
    PlateformeFactice plateforme;
};

} // namespace

TEST_F(
    Enregistrement, un_serveur_sans_dossier_tabrix_n_est_rempli_qu_apres_une_premiere_installation_confirmee)
{
    // The server folder is empty, as the mount point of a share that is not mounted.
    QStringList questions;
    const auto repond = [&](bool oui) {
        return [&questions, oui](const QString& q) {
            questions.append(q);
            return oui;
        };
    };
    BilanEnregistrement b = enregistre_nom({}, repond(false));
    EXPECT_TRUE(b.local);
    EXPECT_FALSE(b.serveur);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Le dossier « %1 » ne contient pas de dossier Tabrix")
                                            .arg(d.chemin(QStringLiteral("serveur")))))
        << questions[0].toStdString();
    EXPECT_TRUE(b.message.contains(QStringLiteral("sur ce poste seulement")));
    EXPECT_EQ(nom(local()), QStringLiteral("Nouveau"));
    EXPECT_TRUE(QDir(d.chemin(QStringLiteral("serveur"))).isEmpty());
    // No answer to give: nothing is created either.
    EXPECT_FALSE(enregistre_nom().serveur);
    EXPECT_TRUE(QDir(d.chemin(QStringLiteral("serveur"))).isEmpty());

    b = enregistre_nom({}, repond(true));
    EXPECT_TRUE(b.local && b.serveur) << b.message.toStdString();
    EXPECT_TRUE(b.message.isEmpty());
    // Made from this machine's file: every key, so that other machines get a whole configuration.
    EXPECT_EQ(FichierIni(maitre()).lignes(), FichierIni(local()).lignes());

    // Once the folder is there, a missing master copy is made again without a question.
    ASSERT_TRUE(QFile::remove(maitre()));
    questions.clear();
    b = enregistre_nom({}, repond(false));
    EXPECT_TRUE(b.serveur);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(Enregistrement, un_serveur_injoignable_garde_l_enregistrement_local_et_le_dit)
{
    plateforme.injoignables.insert(d.chemin(QStringLiteral("serveur")));
    const BilanEnregistrement b = enregistre_nom();
    EXPECT_TRUE(b.local);
    EXPECT_FALSE(b.serveur);
    EXPECT_TRUE(b.message.startsWith(QStringLiteral("Le serveur ")));
    EXPECT_TRUE(b.message.contains(QStringLiteral("sur ce poste seulement")));
    EXPECT_EQ(nom(local()), QStringLiteral("Nouveau"));
}

TEST_F(
    Enregistrement, un_fichier_illisible_ou_un_dossier_qui_refuse_l_ecriture_ne_defait_pas_l_enregistrement)
{
    ASSERT_TRUE(d.cree(QStringLiteral("serveur/Tabrix")));
    const QByteArray origine = vers_cp1252(FichierIni(local()).texte());
    const auto rw = QFile::ReadOwner | QFile::WriteOwner;
    const auto r_r = QFile::ReadOwner | QFile::ReadOther;
    const auto rw_rw = rw | QFile::ReadOther | QFile::WriteOther;
    const auto rwx = rw | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const auto rwx_rwx = rwx | QFile::WriteOther;
    struct Cas
    {
        const char* quoi;
        QFile::Permissions poste, fichier_local, dossier_maitre, fichier_maitre;
        QString message; // part of the message
        bool local_change, maitre_change;
    };
    const QString illisible
        = QStringLiteral("Le fichier « %1 » existe mais n'a pas pu être lu : il est resté tel "
                         "qu'il était et rien n'a été enregistré.");
    for (const Cas& c : {
             Cas {"Tabrix.ini du poste illisible", rwx_rwx, rw, rwx_rwx, rw_rw, illisible.arg(local()), false,
                 false},
             Cas {"copie du serveur illisible", rwx_rwx, rw_rw, rwx_rwx, rw, illisible.arg(maitre()), false,
                 false},
             // Written first, the master copy brings the change back to this machine at the next start.
             Cas {"dossier du poste en lecture seule", rwx, r_r, rwx_rwx, rw_rw,
                 QStringLiteral("La configuration du serveur a été enregistrée : elle remplacera celle de ce "
                                "poste au prochain démarrage."),
                 false, true},
             Cas {"dossier du serveur en lecture seule", rwx_rwx, rw_rw, rwx, r_r,
                 QStringLiteral("La configuration du serveur (%1) n'a pas pu être enregistrée").arg(maitre()),
                 true, false},
         }) {
        for (const QString& f : {local(), maitre()})
            ASSERT_TRUE(ecrit_octets(f, origine));
        QFile::setPermissions(d.chemin(), rwx);
        QFile::setPermissions(d.chemin(QStringLiteral("serveur")), rwx);
        QFile::setPermissions(d.chemin(QStringLiteral("poste")), c.poste);
        QFile::setPermissions(local(), c.fichier_local);
        QFile::setPermissions(d.chemin(QStringLiteral("serveur/Tabrix")), c.dossier_maitre);
        QFile::setPermissions(maitre(), c.fichier_maitre);
        const int resultat = dans_un_processus_nobody([&] {
            const BilanEnregistrement b = enregistre_nom();
            return (b.message.contains(c.message) ? 0 : 4) + (b.local ? 1 : 0) + (b.serveur ? 2 : 0);
        });
        for (const char* dossier : {"poste", "serveur/Tabrix"})
            QFile::setPermissions(d.chemin(QString::fromLatin1(dossier)), rwx);
        EXPECT_EQ(resultat, (c.local_change ? 1 : 0) + (c.maitre_change ? 2 : 0))
            << c.quoi << " (4: autre message, -1: pas d'utilisateur nobody)";
        EXPECT_EQ(nom(local()), c.local_change ? QStringLiteral("Nouveau") : QStringLiteral("Ancien"))
            << c.quoi;
        EXPECT_EQ(nom(maitre()), c.maitre_change ? QStringLiteral("Nouveau") : QStringLiteral("Ancien"))
            << c.quoi;
    }
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
