#include "app/tgeneral.h"
#include "core/faits.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "ui/bulle_aide.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// Pictures of the dashboard for the documentation: run with TABRIX_CAPTURES=<folder>, under a real display
// (Xvfb), e.g. QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.5 TABRIX_CAPTURES=docs/images xvfb-run …
// captures_tableau_de_bord.
namespace {

QString ligne_de_test(int pourcentage_vise)
{
    // Right answers, some of them slow, so that the day's chart has yellow cells.
    QString enregistrements;
    int i = 0;
    for (const QString& code : produits_des_tables(QStringLiteral("tables_classiques"))) {
        const bool lente = (i++ * 7) % 100 >= pourcentage_vise;
        enregistrements += QLatin1Char('P') + code + (lente ? QStringLiteral("095") : QStringLiteral("021"))
            + valeur_produit_4(code);
    }
    return QStringLiteral("\tTEST de 14:02:10 à 14:05:00 ") + enregistrements;
}

// School mode: the pupil was in CE2 last school year and is in CM1 this one.
void classes_de_l_eleve(Tgeneral& fenetre, const DossierTest& travail)
{
    Reglages& r = fenetre.session().reglages();
    r.mode_ecole = true;
    r.nom_etablissement = QStringLiteral("Ecole Jules Ferry");
    r.dossier_etablissement = travail.chemin(QStringLiteral("etablissement"));
    for (const QString& classe : {QStringLiteral("2023-2024/CE2"), QStringLiteral("2024-2025/CM1")}) {
        ASSERT_TRUE(travail.cree(QStringLiteral("etablissement/") + classe));
        QFile raccourci(
            travail.chemin(QStringLiteral("etablissement/") + classe + QStringLiteral("/DUPONT_Marie.lnk")));
        ASSERT_TRUE(raccourci.open(QIODevice::WriteOnly));
    }
    fenetre.session().liste_records() = {QStringLiteral("092011MARTIN_Eve"),
        QStringLiteral("096014DUPONT_Marie"), QStringLiteral("100021LEROY_Tom")};
}

void capture(const QString& dossier, int jours, const QString& fichier, bool ecole = false)
{
    DossierTest travail;
    ASSERT_TRUE(travail.cree(QStringLiteral("poste")));
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
    if (ecole) {
        id.classe = QStringLiteral("CM1");
        classes_de_l_eleve(fenetre, travail);
        fenetre.applique_session();
    }
    fenetre.initialise_session_eleve(id);

    EtatEleve& e = fenetre.session().eleve();
    e.nouvel_eleve = false;
    const QDate debut = ecole ? QDate(2024, 6, 10) : QDate(2024, 9, 9);
    static const char* const noms_jours[7]
        = {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
    for (int j = 0; j < jours; ++j) {
        const QDate d = debut.addDays(j * (ecole ? 20 : 2));
        const int p = std::min(100, 38 + j * 63 / std::max(1, jours - 1) + (j % 3 == 1 ? -6 : 0));
        e.jours_tests.append({QString::fromUtf8(noms_jours[d.dayOfWeek() - 1]) + QLatin1Char(' ')
                + d.toString(QStringLiteral("dd/MM/yyyy")),
            p});
        e.lignes_tests_retenues.append(ligne_de_test(p));
    }
    e.dernier_test = e.lignes_tests_retenues.isEmpty() ? QString() : e.lignes_tests_retenues.last().mid(29);
    fenetre.change_produits_etudies();
    // Without a window manager "maximised" means nothing: the window takes the whole screen itself.
    fenetre.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    fenetre.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    fenetre.affiche_graphique();
    if (ecole)
        QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("Button_records")), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(QDir().mkpath(dossier));
    EXPECT_TRUE(fenetre.grab().save(QDir(dossier).filePath(fichier)));
    if (jours != 6 || ecole)
        return;
    // The hint balloon is a window of its own: the screen is grabbed around it.
    QWidget* bouton = fenetre.findChild<QWidget*>(QStringLiteral("SpeedButton_trous"));
    const QPoint point = bouton->mapToGlobal(QPoint(20, 20));
    BulleAide::montre(
        point, QStringLiteral("Ne travailler que les produits que tu ne sais pas encore"), bouton, 60000);
    QTest::qWait(200);
    const QRect zone(point - QPoint(160, 120), QSize(420, 220));
    EXPECT_TRUE(QGuiApplication::primaryScreen()
                    ->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height())
                    .save(QDir(dossier).filePath(QStringLiteral("bulle_aide.png"))));
    BulleAide::cache();
}

TEST(CapturesTableau, tableau_de_bord)
{
    const QString dossier = qEnvironmentVariable("TABRIX_CAPTURES");
    if (dossier.isEmpty())
        GTEST_SKIP() << "TABRIX_CAPTURES not set";
    capture(dossier, 6, QStringLiteral("tableau_de_bord.png"));
    capture(dossier, 40, QStringLiteral("tableau_de_bord_40_jours.png"));
    capture(dossier, 8, QStringLiteral("tableau_de_bord_ecole.png"), true);
}

} // namespace
