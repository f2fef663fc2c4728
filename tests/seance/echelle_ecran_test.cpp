#include "seance/echelle_ecran.h"

#include <QList>
#include <gtest/gtest.h>

TEST(EchelleEcran, la_reduction_est_celle_du_cote_qui_deborde_le_plus_bornee_a_une_moitie)
{
    struct Cas
    {
        QSize disponible;
        double attendu;
    };
    const QSize besoin(800, 640);
    const QList<Cas> cas = {
        {{1920, 1040}, 1.0}, // fits: nothing changes
        {{960, 512}, 0.8}, // 200 % on 1920 x 1080 less a 28-pixel panel: height decides
        {{640, 1000}, 0.8}, // width decides
        {{300, 200}, 0.5}, // never below half
        {{0, 0}, 1.0}, // no screen known: leave it
    };
    for (const Cas& c : cas)
        EXPECT_DOUBLE_EQ(reduction_pour_tenir(besoin, c.disponible), c.attendu)
            << c.disponible.width() << "x" << c.disponible.height();
}

TEST(EchelleEcran, le_facteur_se_compose_avec_celui_deja_donne_et_s_arrondit_vers_le_bas)
{
    struct Cas
    {
        QByteArray actuel;
        double reduction;
        QByteArray attendu;
    };
    const QList<Cas> cas = {
        {{}, 0.8, "0.80"},
        {"2", 0.8, "1.60"},
        {"1.5", 0.777, "1.16"}, // 1.1655: rounding up would no longer fit
        {"abc", 0.9, "0.90"}, // an unreadable value counts as 1
        {" 2 ", 0.5, "1.00"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(facteur_echelle_reduit(c.actuel, c.reduction), c.attendu) << c.actuel.constData();
}
