#include <QCoreApplication>
#include <gtest/gtest.h>

#include "support/environnement_test.h"

int main(int argc, char** argv)
{
    EnvironnementTest environnement;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
