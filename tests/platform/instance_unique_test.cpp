#include "platform/instance_unique.h"
#include "support/dossier_test.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>

TEST(InstanceUnique, un_second_lancement_echoue_tant_que_le_premier_tient_le_verrou)
{
    DossierTest dossier;
    auto premiere = std::make_unique<InstanceUnique>(dossier.chemin());
    ASSERT_TRUE(premiere->premiere());
    EXPECT_TRUE(QFileInfo(premiere->chemin()).fileName().startsWith(QStringLiteral("_Tabrix")));
    {
        InstanceUnique seconde(dossier.chemin());
        EXPECT_FALSE(seconde.premiere());
    }
    // The refused second launch must not have released the first one's lock.
    InstanceUnique troisieme(dossier.chemin());
    EXPECT_FALSE(troisieme.premiere());

    premiere.reset();
    InstanceUnique apres(dossier.chemin());
    EXPECT_TRUE(apres.premiere());
}

TEST(InstanceUnique, le_verrou_laisse_par_un_programme_mort_est_repris)
{
    DossierTest dossier;
    QString chemin;
    {
        InstanceUnique sonde(dossier.chemin());
        chemin = sonde.chemin();
    }
    // A lock file as QLockFile writes it, owned by a process number that cannot be running.
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("2147483646\ntabrix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();

    InstanceUnique lancement(dossier.chemin());
    EXPECT_TRUE(lancement.premiere());
}
