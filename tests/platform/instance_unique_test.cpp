#include "platform/instance_unique.h"
#include "support/dossier_test.h"

#include <QFileInfo>
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
