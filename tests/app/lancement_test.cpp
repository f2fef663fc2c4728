#include "platform/instance_unique.h"
#include "support/dossier_test.h"

#include <QDeadlineTimer>
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

TEST(Lancement, un_premier_demarrage_ecrit_la_configuration_et_le_marqueur_puis_tient_le_verrou)
{
    DossierTest dossier;
    ASSERT_TRUE(dossier.cree(QStringLiteral("tmp")));
    ASSERT_TRUE(dossier.cree(QStringLiteral("travail")));
    QProcess programme;
    prepare(programme, dossier.chemin(QStringLiteral("travail")), dossier.chemin(QStringLiteral("tmp")));
    programme.start();
    ASSERT_TRUE(programme.waitForStarted(20000));

    // The program waits for a pupil: its files are there once the start is over.
    const QString marqueur = dossier.chemin(QStringLiteral("travail/PREMIER DEMARRAGE.TXT"));
    const QString configuration = dossier.chemin(QStringLiteral("travail/Tabrix.ini"));
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
}
