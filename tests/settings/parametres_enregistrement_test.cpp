#include "settings/parametres_enregistrement.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(EnregistrementReglages, un_dossier_ou_l_on_ne_peut_ecrire_laisse_le_fichier_tel_qu_il_etait_et_le_dit)
{
    DossierTest d;
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin()).ok);
    const QString chemin = d.chemin(QStringLiteral("Tabrix.ini"));
    const QByteArray avant = contenu(chemin);
    // Readable, not writable, even for root once it has become "nobody".
    QFile::setPermissions(d.chemin(),
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::ExeOther);
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ParametresGeneraux p = lit_parametres(FichierIni(chemin));
        p.temps_maximum = 33;
        const EnregistrementReglages r = enregistre_reglages(chemin, p);
        ::_exit(r.ok ? 1 : (r.erreur.contains(QStringLiteral("resté tel qu'il était")) ? 0 : 2));
    }
    int etat = -1;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    QFile::setPermissions(d.chemin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 0)
        << "1: réussite annoncée, 2: échec sans message, 3: pas d'utilisateur nobody";
    EXPECT_EQ(contenu(chemin), avant);
}

TEST(EnregistrementReglages, un_fichier_absent_part_de_la_configuration_fournie_et_garde_ses_autres_cles)
{
    DossierTest d;
    const QString chemin = d.chemin(QStringLiteral("Tabrix.ini"));
    ParametresGeneraux p;
    p.temps_final = 6;
    ASSERT_TRUE(enregistre_reglages(chemin, p).ok);
    const FichierIni ini(chemin);
    EXPECT_EQ(ini.lit_entier(cles::perfectionnement, cles::temps_final), 6);
    EXPECT_EQ(ini.lit_texte(cles::dossiers, cles::dossier_statistiques), QStringLiteral("stats"));
}

TEST(EnregistrementReglages, en_mode_ecole_une_copie_du_serveur_differente_est_annoncee)
{
    DossierTest d;
    ASSERT_TRUE(d.cree(QStringLiteral("serveur/Tabrix")));
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin(QStringLiteral("serveur/Tabrix"))).ok);
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(d.chemin(QStringLiteral("Tabrix.ini")));
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, d.chemin(QStringLiteral("serveur")));
    ASSERT_TRUE(ini.enregistre().ok);
    ParametresGeneraux p = lit_parametres(ini);
    p.mode_ecole = true;
    const EnregistrementReglages r = enregistre_reglages(ini.chemin(), p);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.remarques.size(), 1);
    EXPECT_TRUE(
        r.remarques[0].contains(QStringLiteral("la configuration du serveur remplacera celle de ce poste")));
}
