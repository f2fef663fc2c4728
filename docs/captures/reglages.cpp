// Saves screenshots of the "Réglages" dialog into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_reglages docs/images
//   QT_SCALE_FACTOR=1.5 xvfb-run -s "-screen 0 1920x1080x24" ./captures_reglages docs/images   (…_150.png)
#include "settings/treglages.h"
#include "storage/configuration.h"
#include "storage/fichier_texte.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffixe = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? QStringLiteral("_150") : QString();
    QTemporaryDir dossier;
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(QDir(dossier.path()).filePath(cles::fichier));
    ini.ecrit_texte(cles::apprentissage_blocs, cles::formule, QStringLiteral("1.1.1.1.4"));
    ini.ecrit_texte(
        cles::parametres, cles::objectifs_classiques_defaut, QStringLiteral("table_6,table_7,table_8"));
    ini.enregistre();

    Treglages dialogue(ini.chemin(), {});
    dialogue.show();
    QTest::qWait(200);
    dialogue.grab().save(QDir(sortie).filePath(QStringLiteral("reglages%1.png").arg(suffixe)));
    if (!suffixe.isEmpty())
        return 0;
    dialogue.findChild<QLineEdit*>(QStringLiteral("Edit_formule"))->setText(QStringLiteral("1.2.1.3"));
    QTest::qWait(100);
    dialogue.grab().save(QDir(sortie).filePath(QStringLiteral("reglages_formule_refusee.png")));
    return 0;
}
