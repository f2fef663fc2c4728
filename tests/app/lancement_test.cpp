#include "platform/instance_unique.h"
#include "support/dossier_test.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The program in `travail`, its temporary folder (where the single-instance lock lives) in `temporaire`.
void prepare(QProcess& p, const QString& travail, const QString& temporaire)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temporaire);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Whatever the program keeps for the user stays in the test's folder.
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QString::fromLatin1(variable), temporaire);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(travail);
    p.setProgram(QStringLiteral(TABRIX_EXECUTABLE));
}

} // namespace

TEST(Lancement, un_second_lancement_se_termine_aussitot_sans_rien_ecrire)
{
    DossierTest dossier;
    ASSERT_TRUE(dossier.cree(QStringLiteral("tmp")));
    ASSERT_TRUE(dossier.cree(QStringLiteral("travail")));
    InstanceUnique premiere(dossier.chemin(QStringLiteral("tmp")));
    ASSERT_TRUE(premiere.premiere());

    QProcess seconde;
    prepare(seconde, dossier.chemin(QStringLiteral("travail")), dossier.chemin(QStringLiteral("tmp")));
    seconde.start();
    ASSERT_TRUE(seconde.waitForFinished(20000));
    EXPECT_EQ(seconde.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(seconde.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(dossier.chemin(QStringLiteral("travail/Tabrix.ini"))));
}

struct CasDossier
{
    const char* nom;
    QStringList arguments; // "@" stands for the test's folder
    QString variable;
    QString dossier_attendu; // under the test's folder
};

class PremierDemarrage : public testing::TestWithParam<CasDossier>
{
};

TEST_P(PremierDemarrage, ecrit_la_configuration_et_le_marqueur_dans_son_dossier_puis_tient_le_verrou)
{
    const CasDossier& cas = GetParam();
    DossierTest dossier;
    ASSERT_TRUE(dossier.cree(QStringLiteral("tmp")));
    ASSERT_TRUE(dossier.cree(QStringLiteral("travail")));
    QProcess programme;
    prepare(programme, dossier.chemin(QStringLiteral("travail")), dossier.chemin(QStringLiteral("tmp")));
    QStringList arguments = cas.arguments;
    arguments.replaceInStrings(QStringLiteral("@"), dossier.chemin());
    programme.setArguments(arguments);
    if (!cas.variable.isEmpty()) {
        QProcessEnvironment env = programme.processEnvironment();
        env.insert(QStringLiteral("TABRIX_DOSSIER"),
            QString(cas.variable).replace(QLatin1Char('@'), dossier.chemin()));
        programme.setProcessEnvironment(env);
    }
    programme.start();
    ASSERT_TRUE(programme.waitForStarted(20000));

    // The program waits for a pupil: its files are there once the start is over.
    const QString marqueur = dossier.chemin(cas.dossier_attendu + QStringLiteral("/PREMIER DEMARRAGE.TXT"));
    const QString configuration = dossier.chemin(cas.dossier_attendu + QStringLiteral("/Tabrix.ini"));
    QDeadlineTimer limite(20000);
    while (!(QFile::exists(marqueur) && QFile::exists(configuration)) && !limite.hasExpired()
        && programme.state() == QProcess::Running)
        programme.waitForFinished(50);
    EXPECT_TRUE(QFile::exists(marqueur));
    EXPECT_TRUE(QFile::exists(configuration));
    EXPECT_EQ(programme.state(), QProcess::Running);

    InstanceUnique pendant(dossier.chemin(QStringLiteral("tmp")));
    EXPECT_FALSE(pendant.premiere());

    programme.kill();
    programme.waitForFinished(20000);
    // A program that died leaves a lock that the next launch takes over.
    InstanceUnique apres(dossier.chemin(QStringLiteral("tmp")));
    EXPECT_TRUE(apres.premiere());
    // Nothing lands in the folder the program was started from.
    EXPECT_TRUE(QDir(dossier.chemin(QStringLiteral("travail"))).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lancement, PremierDemarrage,
    testing::Values(CasDossier {"donnees_de_l_utilisateur", {}, {}, QStringLiteral("tmp/Tabrix")},
        CasDossier {"option_avant_variable", {QStringLiteral("--dossier"), QStringLiteral("@/option")},
            QStringLiteral("@/variable"), QStringLiteral("option")}),
    [](const testing::TestParamInfo<CasDossier>& info) { return std::string(info.param.nom); });
