#include "app/demarre_application.h"
#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "core/faits.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"

#include <QDir>
#include <QScreen>
#include <QTest>

// The whole screen with the dashboard, as a desktop shows it. Run under Xvfb with the desktop's settings
// to try (one command line each), e.g. a dark theme with a large font, then 200 % on 1920 x 1080:
//   XDG_CONFIG_HOME=<folder with gtk-3.0/settings.ini> QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3
//     GTK_THEME=Adwaita:dark TABRIX_CAPTURE=docs/images/bureau_sombre.png
//     xvfb-run -s "-screen 0 1280x800x24" build/docs/captures/captures_bureau
//   QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 TABRIX_CAPTURE=docs/images/bureau_200.png
//     xvfb-run -s "-screen 0 1920x1080x24" build/docs/captures/captures_bureau
int main(int argc, char** argv)
{
    const auto application = demarre_application(argc, argv);
    prepare_application();
    DossierTest travail;
    travail.cree(QStringLiteral("poste"));
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
    Tgeneral fenetre(travail.chemin(QStringLiteral("poste")), horloge, plateforme);
    fenetre.session().initialise_session();
    fenetre.applique_session();
    IdentiteEleve id;
    id.nom = QStringLiteral("DUPONT");
    id.prenom = QStringLiteral("Marie");
    id.nom_fichier = QStringLiteral("DUPONT_Marie");
    id.chemin_historique = travail.chemin(QStringLiteral("poste/DUPONT_Marie.txt"));
    fenetre.initialise_session_eleve(id);
    EtatEleve& e = fenetre.session().eleve();
    e.nouvel_eleve = false;
    // Six days of tests, every answer right, the last ones faster.
    for (int j = 0; j < 6; ++j) {
        QString enregistrements;
        for (const QString& code : produits_des_tables(QStringLiteral("tables_classiques")))
            enregistrements += QLatin1Char('P') + code
                + QStringLiteral("0%1").arg(60 - 8 * j, 2, 10, QLatin1Char('0')) + valeur_produit_4(code);
        e.jours_tests.append(
            {QStringLiteral("Lundi %1/09/2024").arg(9 + 2 * j, 2, 10, QLatin1Char('0')), 45 + 11 * j});
        e.lignes_tests_retenues.append(QStringLiteral("\tTEST de 14:02:10 à 14:05:00 ") + enregistrements);
    }
    e.dernier_test = e.lignes_tests_retenues.last().mid(29);
    fenetre.change_produits_etudies();
    // Without a window manager "maximised" means nothing: the window takes the whole screen itself.
    fenetre.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    fenetre.showMaximized();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 1;
    fenetre.affiche_graphique();
    QTest::qWait(300);
    const QString fichier = qEnvironmentVariable("TABRIX_CAPTURE", QStringLiteral("bureau.png"));
    return QGuiApplication::primaryScreen()->grabWindow(0).save(fichier) ? 0 : 1;
}
