#include "platform/acces_chemin.h"
#include "platform/clavier_verrous.h"
#include "platform/fenetre_aide.h"
#include "platform/plateforme_systeme.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <future>
#include <gtest/gtest.h>

TEST(AccesChemin, seul_un_dossier_lisible_est_joignable)
{
    DossierTest dossier;
    ASSERT_TRUE(dossier.cree(QStringLiteral("Tabrix")));
    QFile f(dossier.chemin(QStringLiteral("fichier.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EXPECT_TRUE(chemin_accessible_dans_le_delai(dossier.chemin(QStringLiteral("Tabrix")), 3000));
    EXPECT_FALSE(chemin_accessible_dans_le_delai(dossier.chemin(QStringLiteral("absent")), 3000));
    EXPECT_FALSE(chemin_accessible_dans_le_delai(dossier.chemin(QStringLiteral("fichier.txt")), 3000));
    EXPECT_FALSE(chemin_accessible_dans_le_delai(QString(), 3000));
    EXPECT_FALSE(chemin_accessible_dans_le_delai(QStringLiteral("   "), 3000));
}

TEST(AccesChemin, un_partage_qui_ne_repond_pas_est_abandonne_au_bout_du_delai)
{
    // The probe stays blocked until the test ends, as a stat() on a dead share would.
    auto liberation = std::make_shared<std::promise<void>>();
    std::shared_future<void> libere = liberation->get_future().share();
    QElapsedTimer duree;
    duree.start();
    const bool joignable
        = chemin_accessible_dans_le_delai(QStringLiteral("//serveur/eleves"), 100, [libere](const QString&) {
              libere.wait();
              return true;
          });
    const qint64 ecoule = duree.elapsed();
    liberation->set_value();
    EXPECT_FALSE(joignable);
    EXPECT_LT(ecoule, 2000);
}

TEST(PlateformeSysteme, la_corbeille_recoit_le_fichier_et_un_absent_compte_comme_parti)
{
    DossierTest dossier;
    // The trash of this test, never the user's.
    const QByteArray ancien = qgetenv("XDG_DATA_HOME");
    ASSERT_TRUE(dossier.cree(QStringLiteral("donnees/Trash")));
    qputenv("XDG_DATA_HOME", dossier.chemin(QStringLiteral("donnees")).toLocal8Bit());
    const QString chemin = dossier.chemin(QStringLiteral("Dupont_Marie.txt"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Séance");
    f.close();
    PlateformeSysteme systeme;

    EXPECT_TRUE(systeme.met_a_la_corbeille(chemin));
    EXPECT_FALSE(QFile::exists(chemin));
    EXPECT_TRUE(QFile::exists(dossier.chemin(QStringLiteral("donnees/Trash/files/Dupont_Marie.txt"))));
    EXPECT_TRUE(systeme.met_a_la_corbeille(dossier.chemin(QStringLiteral("absent.txt"))));
    if (ancien.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", ancien);
}

TEST(ClavierVerrous, hors_x11_le_vrai_clavier_n_est_jamais_touche)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("xcb")))
        GTEST_SKIP() << "sous X11 le clavier est réel";
    ClavierVerrous clavier;
    EXPECT_FALSE(clavier.disponible());
    clavier.fixe_numerique(true);
    clavier.fixe_majuscules(true);
    EXPECT_FALSE(clavier.numerique());
    EXPECT_FALSE(clavier.majuscules());
}

TEST(Aide, sans_pages_d_aide_l_utilisateur_en_est_averti)
{
    if (FenetreAide::disponible())
        GTEST_SKIP() << "pages d'aide liées à ce test";
    RepondeurBoites repondeur;
    montre_aide(nullptr);
    ASSERT_EQ(repondeur.vues.size(), 1);
    EXPECT_TRUE(repondeur.vues.first().texte.contains(QStringLiteral("aide")));
}

TEST(ClavierVerrous, sous_x11_les_verrous_se_lisent_et_se_fixent)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("xcb")))
        GTEST_SKIP() << "seulement sous X11 (xvfb-run avec QT_QPA_PLATFORM=xcb)";
    ClavierVerrous clavier;
    ASSERT_TRUE(clavier.disponible());
    const bool num = clavier.numerique();
    const bool maj = clavier.majuscules();
    clavier.fixe_numerique(!num);
    clavier.fixe_majuscules(!maj);
    EXPECT_EQ(clavier.numerique(), !num);
    EXPECT_EQ(clavier.majuscules(), !maj);
    clavier.fixe_numerique(num);
    clavier.fixe_majuscules(maj);
    EXPECT_EQ(clavier.numerique(), num);
    EXPECT_EQ(clavier.majuscules(), maj);
}
