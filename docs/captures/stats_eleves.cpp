// Saves screenshots of the "Statistiques élèves" page and of its charts into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_stats_eleves docs/images
// With QT_SCALE_FACTOR=1.5 and a second argument "_150", the names end in "_150".
#include "seance/session.h"
#include "storage/historique_lignes.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/cases_classes.h"
#include "teacher/ecole_stats.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/tstats_el.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
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

// `justes` of the 64 classic products right in `dixiemes` tenths each, the others wrong.
QString reponses(int justes, int dixiemes)
{
    QString r;
    int n = 0;
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b, ++n)
            r += enregistrement_reponse(
                QStringLiteral("%1%2").arg(a, 2, 10, QLatin1Char('0')).arg(b, 2, 10, QLatin1Char('0')),
                dixiemes, n < justes ? a * b : a * b + 1);
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    g_sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    g_suffixe = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    const QVector<Niveau> niveaux {
        {QStringLiteral("sixième"), {QStringLiteral("6A"), QStringLiteral("6B"), QStringLiteral("6C")}},
        {QStringLiteral("cinquième"), {QStringLiteral("5A"), QStringLiteral("5B")}},
        {QStringLiteral("quatrième"), {QStringLiteral("4A"), QStringLiteral("4B")}},
        {QStringLiteral("troisième"), {QStringLiteral("3A"), QStringLiteral("3B")}}};
    EcoleStats ecole;
    std::mt19937 hasard(7);
    int rang_niveau = 0;
    for (const Niveau& n : niveaux) {
        for (const QString& c : n.classes) {
            for (int e = 0; e < 24; ++e) {
                const QString base = QStringLiteral("Eleve%1_%2").arg(c).arg(e);
                if (e >= 21) {
                    ecole.ajoute(c, base, {});
                    continue;
                }
                const int justes = std::clamp(
                    int(34 + 6 * rang_niveau + std::normal_distribution<>(0, 9)(hasard)), 10, 64);
                const int dixiemes
                    = std::clamp(int(30 - 3 * rang_niveau + std::normal_distribution<>(0, 6)(hasard)), 8, 60);
                ecole.ajoute(c, base,
                    {ecole_suivi::entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
                        ecole_suivi::test(reponses(justes, dixiemes))});
            }
        }
        ++rang_niveau;
    }

    QTemporaryDir travail;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    Session session(travail.path(), horloge, messagerie, plateforme);
    Reglages& r = session.reglages();
    r.annee_scolaire = QStringLiteral("2024-2025");
    r.niveaux = niveaux;
    r.dossier_eleves = QFileInfo(ecole.dossier_etablissement()).path();
    r.dossier_etablissement = ecole.dossier_etablissement();
    r.dossier_annee = ecole.dossier_annee();
    r.dossier_programme = travail.path() + QLatin1Char('/');

    PageStatsEleves page(session);
    page.resize(928, 560);
    page.cases_classes()->actualise(niveaux);
    page.montre();
    page.show();
    sauve(page, QStringLiteral("stats_eleves_page"));

    const auto calcule = [&](const char* abscisse, const char* ordonnee, const QString& nom) {
        page.findChild<QAbstractButton*>(QLatin1String(abscisse))->click();
        if (ordonnee)
            page.findChild<QAbstractButton*>(QLatin1String(ordonnee))->click();
        page.findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
        Tstats_el* f = page.fenetre_graphique();
        sauve(*f, nom);
        f->close();
    };
    calcule("RadioButton5", "RadioButton13", QStringLiteral("stats_eleves_niveaux"));
    calcule("RadioButton4", "RadioButton14", QStringLiteral("stats_eleves_classes"));
    calcule("RadioButton11", "RadioButton19", QStringLiteral("stats_eleves_scores"));
    calcule("RadioButton12", nullptr, QStringLiteral("stats_eleves_rapidite"));
    return 0;
}
