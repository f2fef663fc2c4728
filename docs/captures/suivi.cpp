// Saves screenshots of the class follow-up (tree and a pupil's summary with his progress), of the maintenance
// page (merge, then the check of a damaged share) and of the classes' progress into the folder given as
// argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_suivi docs/images
// With QT_SCALE_FACTOR=1.5 and a second argument "_150", the names end in "_150".
#include "core/dates.h"
#include "seance/session.h"
#include "storage/config_perso.h"
#include "storage/configuration.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/arbre_eleves.h"
#include "teacher/ecole_suivi.h"
#include "teacher/page_maintenance.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/page_suivi.h"
#include "teacher/tprofesseur.h"
#include "teacher/tstats_el.h"
#include "ui/boites.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

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

// Two classes of a school year, each pupil tested once a week from September with a score that grows.
void ecrit_ecole(const QString& eleves)
{
    using namespace ecole_suivi;
    const struct
    {
        const char* classe;
        const char* nom;
        int depart;
    } classe_eleves[] = {{"6A", "Bernard_Chloé", 30}, {"6A", "Dubois_Lucas", 44}, {"6A", "Moreau_Inès", 52},
        {"6A", "Laurent_Hugo", 20}, {"6A", "Lefèvre_Jade", 58}, {"6B", "Garnier_Nathan", 35},
        {"6B", "Fontaine_Léna", 48}, {"6B", "Rousseau_Tom", 0}};
    int n = 0;
    for (const auto& e : classe_eleves) {
        QStringList h;
        for (int s = 0; s < (e.depart == 0 ? 0 : 12); ++s) {
            // Class 6B skips the week of the autumn holidays.
            if (e.classe[1] == 'B' && s == 7)
                continue;
            const QDate jour = QDate(2024, 9, 9).addDays(7 * s + n % 5);
            h << entete(nom_jour(jour), jour.toString(QStringLiteral("dd/MM/yyyy")),
                QStringLiteral("14:00:00"), QStringLiteral("14:25:00"));
            const int justes = std::min(64, e.depart / 2 + 3 * s + (s * n) % 5);
            h << test(enregistrements(justes, 64 - justes));
        }
        if (h.isEmpty())
            h << entete(QStringLiteral("Lundi"), QStringLiteral("25/11/2024")) << apprentissage;
        ajoute(eleves, QString::fromLatin1(e.classe), QString::fromUtf8(e.nom), h);
        ++n;
    }
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
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(QDir(dossier.path()).filePath(cles::fichier));
    // A school on a share: the server is the working folder itself, reachable, with its "Tabrix" folder.
    ini.ecrit_texte(cles::general, cles::mode, QStringLiteral("Ecole"));
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, dossier.path());
    ini.ecrit_texte(
        cles::dossiers, cles::dossier_eleves_reseau, QDir(dossier.path()).filePath(QStringLiteral("Eleves")));
    ini.ecrit_texte(cles::etablissement, cles::nom, ecole_suivi::etablissement);
    ini.ecrit_texte(
        cles::etablissement, cles::niveaux_et_classes(ecole_suivi::annee), QStringLiteral("sixième<6A,6B>"));
    ini.enregistre();
    QDir(dossier.path()).mkpath(QStringLiteral("Tabrix"));
    ecrit_ecole(QDir(dossier.path()).filePath(QStringLiteral("Eleves")));
    const QString etab
        = QDir(dossier.path()).filePath(QStringLiteral("Eleves/") + ecole_suivi::etablissement);
    ecrit_amenagement(etab + QStringLiteral("/Moreau_Inès.ini"), Amenagement::tiers);

    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    Session session(dossier.path(), horloge, messages, plateforme);
    session.initialise_session();
    session.initialise_ecole();
    TProfesseur fenetre(session);
    fenetre.show();
    QCoreApplication::processEvents();
    ArbreEleves* arbre = fenetre.suivi()->arbre();
    arbre->expandAll();
    for (int i = 0; i < arbre->lignes().size(); ++i)
        if (arbre->lignes()[i].contains(QStringLiteral("Moreau")))
            arbre->setCurrentItem(arbre->noeud(i));
    sauve(fenetre, QStringLiteral("professeur_suivi"));

    fenetre.classeur()->setCurrentIndex(TProfesseur::maintenance_fichiers);
    fenetre.findChild<QLineEdit*>(QStringLiteral("Edit_fichier1"))
        ->setText(etab + QStringLiteral("/Moreau_Inès.txt"));
    fenetre.findChild<QLineEdit*>(QStringLiteral("Edit_fichier2"))
        ->setText(QStringLiteral("/media/cle/Moreau_Inès.txt"));
    sauve(fenetre, QStringLiteral("professeur_maintenance"));

    // A share as a year leaves it: a second copy of a history, a write killed half-way, an old class.
    ecrit_lignes(etab + QStringLiteral("/moreau_inès.txt"),
        lit_lignes(etab + QStringLiteral("/Moreau_Inès.txt")).value_or(QStringList()));
    ecrit_lignes(etab + QStringLiteral("/Dubois_Lucas.txt.tabrix-tmp-ancien"), {QStringLiteral("?")});
    QDir().mkpath(etab + QStringLiteral("/2024-2025/5C"));
    ecrit_lignes(etab + QStringLiteral("/Notes de M. Petit.odt"), {QStringLiteral("?")});
    fenetre.findChild<PageMaintenance*>()->Button_verifierClick();
    sauve(fenetre, QStringLiteral("professeur_verification"));

    fenetre.classeur()->setCurrentIndex(TProfesseur::stat_class);
    PageStatsEleves* stats = fenetre.findChild<PageStatsEleves*>();
    stats->Button_progressionClick();
    sauve(*stats->fenetre_graphique(), QStringLiteral("stats_eleves_progression"));
    return 0;
}
