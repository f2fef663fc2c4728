// Screenshots of the identification window on a sample school: captures_identification <folder>.
#include "app/tident.h"
#include "seance/identification_ecole.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

void enregistre(Tident& f, const QString& dossier, const QString& nom)
{
    QApplication::processEvents();
    f.grab().save(dossier + QLatin1Char('/') + nom);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffixe = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    EcoleTest ecole;
    ecole.reglages.niveaux = {{QStringLiteral("CP"), {QStringLiteral("CP-A"), QStringLiteral("CP-B")}},
        {QStringLiteral("CE1"), {QStringLiteral("CE1")}}, {QStringLiteral("CE2"), {QStringLiteral("CE2")}},
        {QStringLiteral("CM1"),
            {QStringLiteral("CM1-A"), QStringLiteral("CM1-B"), QStringLiteral("CM1 ULIS")}},
        {QStringLiteral("CM2"), {QStringLiteral("CM2")}}};
    const QStringList noms = {QStringLiteral("Bernard_Chloé"), QStringLiteral("Dubois_Hugo"),
        QStringLiteral("Durand_Léa"), QStringLiteral("Fontaine_Jules"), QStringLiteral("Garcia_Inès"),
        QStringLiteral("Girard_Louis"), QStringLiteral("Lambert_Manon"), QStringLiteral("Le Goff_Marie Anne"),
        QStringLiteral("Lefèvre_Zoé"), QStringLiteral("Martin_Lucas"), QStringLiteral("Mercier_Emma"),
        QStringLiteral("Moreau_Nathan"), QStringLiteral("Petit_Camille"), QStringLiteral("Robert_Gabriel"),
        QStringLiteral("Roux_Jade"), QStringLiteral("Simon_Arthur"), QStringLiteral("Thomas_Lina"),
        QStringLiteral("Vincent_Théo"), QStringLiteral("Ben Ali_Sami"), QStringLiteral("Dupont-Martin_Eva")};
    for (const QString& n : noms)
        ecole.ajoute(n, QStringLiteral("CM1-A"));

    HorlogeManuelle horloge;
    Tident f(ecole.reglages, horloge);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f))
        return 1;
    enregistre(f, dossier, QStringLiteral("identification_classes%1.png").arg(suffixe));

    QListWidget* cm1 = f.box(4);
    QTest::mouseClick(cm1->viewport(), Qt::LeftButton, {}, cm1->visualItemRect(cm1->item(0)).center());
    QApplication::processEvents();
    enregistre(f, dossier, QStringLiteral("identification_noms%1.png").arg(suffixe));

    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("button_inscription")), Qt::LeftButton);
    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("Edit_nom")), QStringLiteral("  dupont-MARTIN"));
    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("Edit_prenom")), QStringLiteral("marie-claire"));
    enregistre(f, dossier, QStringLiteral("identification_inscription%1.png").arg(suffixe));
    f.close();

    ecole.reglages.identification_par_code = true;
    Tident g(ecole.reglages, horloge);
    g.show();
    if (!QTest::qWaitForWindowExposed(&g))
        return 1;
    QTest::mouseClick(
        g.box(4)->viewport(), Qt::LeftButton, {}, g.box(4)->visualItemRect(g.box(4)->item(0)).center());
    QApplication::processEvents();
    QTest::keyClicks(g.findChild<QLineEdit*>(QStringLiteral("Edit_code")), QStringLiteral("zz1"));
    enregistre(g, dossier, QStringLiteral("identification_code%1.png").arg(suffixe));
    QTest::keyClicks(g.findChild<QLineEdit*>(QStringLiteral("Edit_code")), QStringLiteral("z"));
    enregistre(g, dossier, QStringLiteral("identification_code_inconnu%1.png").arg(suffixe));
    QTest::mouseClick(g.findChild<QPushButton*>(QStringLiteral("Button_code_inconnu")), Qt::LeftButton);
    QTest::mouseClick(g.findChild<QPushButton*>(QStringLiteral("button_inscription")), Qt::LeftButton);
    QTest::keyClicks(g.findChild<QLineEdit*>(QStringLiteral("Edit_nom")), QStringLiteral("Nouveau"));
    QTest::keyClicks(g.findChild<QLineEdit*>(QStringLiteral("Edit_prenom")), QStringLiteral("Eleve"));
    QTest::mouseClick(g.findChild<QPushButton*>(QStringLiteral("Button_id")), Qt::LeftButton);
    enregistre(g, dossier, QStringLiteral("identification_code_affiche%1.png").arg(suffixe));
    return 0;
}
