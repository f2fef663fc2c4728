// Saves screenshots of the teacher's access window and console pages into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_professeur docs/images
// With QT_SCALE_FACTOR=1.5 and a second argument "_150", the names end in "_150".
#include "seance/session.h"
#include "storage/configuration.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/tacces_prof.h"
#include "teacher/tprofesseur.h"
#include "ui/boites.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

QString g_sortie;
QString g_suffixe;

void pause()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(40);
    }
}

void sauve(QWidget& w, const QString& nom)
{
    pause();
    const QString fichier = nom + g_suffixe + QStringLiteral(".png");
    w.grab().save(QDir(g_sortie).filePath(fichier));
    std::printf("%s\n", qPrintable(fichier));
}

void acces()
{
    const QString code = QStringLiteral("prof");
    bool requis = true;
    TAcces_prof fenetre(code, requis);
    fenetre.show();
    QTest::keyClicks(fenetre.findChild<QWidget*>(QStringLiteral("Edit3")), QStringLiteral("PR"));
    sauve(fenetre, QStringLiteral("professeur_acces"));
    QTest::keyClicks(fenetre.findChild<QWidget*>(QStringLiteral("Edit3")), QStringLiteral("OG"));
    QTest::keyClick(fenetre.findChild<QWidget*>(QStringLiteral("Edit3")), Qt::Key_Return);
    sauve(fenetre, QStringLiteral("professeur_acces_erreur"));
}

void console()
{
    QTemporaryDir dossier;
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.ecrit_texte(cles::etablissement, cles::nom, QStringLiteral("Collège Jean Moulin"));
    ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
        QStringLiteral("sixième<6A,6B,6C>cinquième<5A,5B>quatrième<4A,4B,4C,4D>troisième<3A,3B>"));
    ini.ecrit_texte(cles::etablissement, cles::objectifs_classiques_niveaux,
        QStringLiteral("sixième<table_2,table_3,table_4,table_5>cinquième<table_6,table_7>"
                       "quatrième<table_7,table_8,table_9>troisième<table_2,table_3,table_4,table_5,table_6,"
                       "table_7,table_8,table_9>"));
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, QStringLiteral("\\\\SERVEUR\\ecole"));
    ini.ecrit_texte(cles::codes, cles::code_professeur, QStringLiteral("prof"));
    ini.change_chemin(QDir(dossier.path()).filePath(cles::fichier));
    ini.enregistre();

    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    Session session(dossier.path(), horloge, messages, plateforme);
    session.initialise_session();
    TProfesseur fenetre(session);
    fenetre.show();
    pause();
    const char* noms[] = {"professeur_etablissement", "professeur_parametres", "professeur_objectifs"};
    for (int page = 0; page < 3; ++page) {
        fenetre.classeur()->setCurrentIndex(page);
        sauve(fenetre, QString::fromLatin1(noms[page]));
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
    acces();
    console();
    return 0;
}
