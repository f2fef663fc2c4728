// Saves screenshots of the per-product statistics window into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_statistiques_produits docs/images
// With QT_SCALE_FACTOR=1.5 and a second argument "_150", the names end in "_150".
#include "seance/session.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/cases_classes.h"
#include "teacher/page_stat_produits.h"
#include "teacher/tstats.h"
#include "ui/boites.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <random>

namespace {

QString g_sortie;
QString g_suffixe;

void sauve(QWidget& w, const QString& nom)
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(40);
    }
    const QString fichier = nom + g_suffixe + QStringLiteral(".png");
    w.grab().save(QDir(g_sortie).filePath(fichier));
    std::printf("%s\n", qPrintable(fichier));
}

// One test of the classic tables: the larger the product, the slower and the more often wrong, with the
// neighbouring products as the usual wrong answers.
QString test_eleve(std::mt19937& hasard, double niveau)
{
    std::uniform_real_distribution<double> u(0, 1);
    QString r;
    for (int a = 2; a <= 9; ++a) {
        for (int b = 2; b <= 9; ++b) {
            const QString code
                = QStringLiteral("%1%2").arg(a, 2, 10, QLatin1Char('0')).arg(b, 2, 10, QLatin1Char('0'));
            const double difficulte = (a * b) / 81.0 * (1.3 - niveau);
            const double x = u(hasard);
            int temps = 15 + int(u(hasard) * 40 * (0.3 + difficulte * 2));
            int reponse = a * b;
            if (x < difficulte * 0.35)
                reponse = (u(hasard) < 0.5 ? a * (b + (u(hasard) < 0.5 ? 1 : -1)) : (a + 1) * b);
            else if (x < difficulte * 0.45) {
                reponse = 0;
                temps = 200;
            }
            r += enregistrement_reponse(code, temps, reponse);
        }
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    g_sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    g_suffixe = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(g_sortie);
    boites::installe_repondeur([](boites::Boite&) { return QMessageBox::Ok; });

    QTemporaryDir dossier;
    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    Session session(dossier.path(), horloge, messages, plateforme);
    Reglages& r = session.reglages();
    r.annee_scolaire = QStringLiteral("2024-2025");
    r.nom_etablissement = QStringLiteral("Valbrume");
    r.dossier_eleves = dossier.filePath(QStringLiteral("eleves"));
    r.dossier_etablissement = r.dossier_eleves + QStringLiteral("/Valbrume");
    r.dossier_annee = r.dossier_etablissement + QStringLiteral("/2024-2025");
    r.niveaux = {{QStringLiteral("sixième"), {QStringLiteral("6A"), QStringLiteral("6B")}},
        {QStringLiteral("cinquième"), {QStringLiteral("5A")}}};
    std::mt19937 hasard(7);
    for (const QString& classe : {QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("5A")}) {
        QDir().mkpath(r.dossier_annee + QLatin1Char('/') + classe);
        for (int e = 0; e < 26; ++e) {
            const QString nom = QStringLiteral("Eleve%1_%2").arg(classe).arg(e);
            const QString historique
                = r.dossier_etablissement + QLatin1Char('/') + nom + QStringLiteral(".txt");
            ecrit_lignes(
                r.dossier_annee + QLatin1Char('/') + classe + QLatin1Char('/') + nom + QStringLiteral(".lnk"),
                {historique});
            if (e >= 24)
                continue; // two pupils per class never tested
            ecrit_lignes(historique,
                {ligne_entete_seance(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"),
                     QStringLiteral("10:00:00"), QStringLiteral("10:20:00"), QStringLiteral("SALLE-1")),
                    ligne_test(QStringLiteral("10:01:00"), QStringLiteral("10:06:00"),
                        test_eleve(hasard, 0.3 + 0.7 * (e % 10) / 10.0))});
        }
    }
    PageStatProduits page(session);
    page.resize(928, 560);
    page.classes()->actualise(r.niveaux);
    page.ouvre();
    page.show();
    sauve(page, QStringLiteral("statistiques_produits_page"));
    page.findChild<QAbstractButton*>(QStringLiteral("Button_stats"))->click();
    TStats& stats = *page.stats();
    sauve(stats, QStringLiteral("statistiques_produits_pourcentage"));
    stats.findChild<QAbstractButton*>(QStringLiteral("RadioButton3"))->click();
    stats.findChild<QAbstractButton*>(QStringLiteral("Button_calculer"))->click();
    stats.findChild<QAbstractButton*>(QStringLiteral("RadioButton_resultat"))->click();
    sauve(stats, QStringLiteral("statistiques_produits_temps"));
    return 0;
}
