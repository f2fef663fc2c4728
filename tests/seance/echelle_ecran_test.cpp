#include "seance/echelle_ecran.h"

#include <QList>
#include <gtest/gtest.h>

TEST(EchelleEcran, la_taille_choisie_baisse_jusqu_a_tenir_sans_descendre_sous_sa_moitie)
{
    struct Cas
    {
        const char* taille;
        EcranDeDepart ecran;
        double attendu;
    };
    const QSize besoin(800, 640);
    const QList<Cas> cas = {
        {"100 %", {{1920, 1040}, 1.0}, 1.0},
        {"150 %", {{1920, 1040}, 1.0}, 1.5},
        {"200 %", {{1920, 1040}, 1.0}, 1.625}, // height decides: 1040 / 640
        {"200 %", {{1366, 740}, 1.0}, 740.0 / 640},
        {"125%", {{1366, 740}, 1.0}, 1.15625}, // written without its space
        {"comme le bureau", {{960, 520}, 2.0}, 1.625}, // a desktop at 200 %: its ratio, lowered to fit
        {"comme le bureau", {{1536, 840}, 1.25}, 1.25}, // Xft.dpi 120 and room enough
        {"", {{1920, 1040}, 1.5}, 1.5}, // a missing choice is the desktop's
        {"n'importe quoi", {{1920, 1040}, 1.0}, 1.0},
        {"adaptée à l'écran", {{1920, 1040}, 1.0}, 1.625}, // as large as the screen gives
        {"adaptée à l'écran", {{960, 520}, 2.0}, 1.625}, // the same screen, whatever the desktop's ratio
        {"adaptée à l'écran", {{640, 480}, 1.0}, 0.75},
        {"100 %", {{300, 200}, 1.0}, 0.5}, // never below half
        {"200 %", {{0, 0}, 1.0}, 2.0}, // no screen known: as chosen
        {"comme le bureau", {{0, 0}, 1.0}, 1.0},
    };
    for (const Cas& c : cas)
        EXPECT_DOUBLE_EQ(facteur_affichage(QString::fromUtf8(c.taille), c.ecran, besoin), c.attendu)
            << c.taille << " sur " << c.ecran.disponible.width() << "x" << c.ecran.disponible.height()
            << " à " << c.ecran.rapport;
}

TEST(EchelleEcran, qt_scale_factor_garde_le_rapport_du_bureau_et_s_arrondit_vers_le_bas)
{
    struct Cas
    {
        QByteArray actuel;
        double rapport;
        double facteur;
        QByteArray attendu;
    };
    const QList<Cas> cas = {
        {{}, 1.0, 0.8, "0.8000"},
        {{}, 1.0, 1.0, "1.0000"},
        {"2", 2.0, 1.6, "1.6000"}, // QT_SCALE_FACTOR=2 made the ratio 2
        {{}, 2.0, 1.0, "0.5000"}, // "100 %" on a desktop at 200 %
        {{}, 1.5, 1.0, "0.6666"}, // "100 %" on a desktop at 150 % (Xft.dpi 144)
        {{}, 1.25, 1.5, "1.2000"},
        {"1.5", 1.5, 1.16655, "1.1665"}, // rounding up would no longer fit
        {"abc", 1.0, 0.9, "0.9000"}, // an unreadable value counts as 1
        {" 2 ", 2.0, 1.0, "1.0000"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(facteur_echelle(c.actuel, {{1920, 1080}, c.rapport}, c.facteur), c.attendu)
            << c.actuel.constData() << " " << c.rapport << " " << c.facteur;
}
