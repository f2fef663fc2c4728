#include "app/logique/session.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/aide_console.h"
#include "teacher/cases_classes.h"
#include "teacher/dialogues_fichiers.h"
#include "teacher/ecole_stats.h"
#include "teacher/export_bilans.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/tstats_el.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QPrinter>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The page over a school year of two levels; dialogs answered by the test.
class PageStats : public ::testing::Test
{
protected:
    PageStats()
    {
        Reglages& r = session.reglages();
        r.annee_scolaire = QStringLiteral("2024-2025");
        r.niveaux = niveaux_stats();
        r.dossier_annee = ecole.dossier_annee();
        r.dossier_etablissement = ecole.dossier_etablissement();
        r.dossier_programme = sortie.chemin() + QLatin1Char('/');
        page.cases_classes()->actualise(r.niveaux);
        page.montre();
        page.show();
        dialogues::installe_repondeur({[this](const dialogues::DemandeFichier& d) {
                                           demandes.append(d);
                                           return fichier_choisi;
                                       },
            [this](QPrinter& p) {
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(sortie.chemin(QStringLiteral("impression.pdf")));
                return true;
            }});
    }
    ~PageStats() override { dialogues::installe_repondeur({}); }

    QRadioButton* choix(const char* nom) { return dans<QRadioButton>(&page, nom); }
    void clique(const char* nom) { dans<QAbstractButton>(&page, nom)->click(); }

    EcoleStats ecole;
    DossierTest sortie;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    RepondeurBoites boites;
    Session session {sortie.chemin(), horloge, messagerie, plateforme};
    PageStatsEleves page {session};
    QList<dialogues::DemandeFichier> demandes;
    QString fichier_choisi;
};

TEST_F(PageStats, choix_par_defaut_et_appariement_des_axes)
{
    EXPECT_TRUE(choix("RadioButton5")->isChecked());
    EXPECT_TRUE(choix("RadioButton14")->isChecked());
    EXPECT_TRUE(choix("RadioButton3")->isChecked());
    EXPECT_FALSE(choix("RadioButton18")->isEnabled());
    EXPECT_FALSE(choix("RadioButton6")->isVisibleTo(&page));
    EXPECT_EQ(dans<QDateEdit>(&page, "DateTimePicker1")->date(), QDate(2024, 9, 1));
    EXPECT_EQ(dans<QDateEdit>(&page, "DateTimePicker3")->date(), QDate(2024, 12, 3));

    clique("RadioButton12");
    EXPECT_EQ(page.cle_abscisse(), QStringLiteral("nb bonnes rép/mn"));
    EXPECT_EQ(page.cle_ordonnee(), QStringLiteral("nb élèves"));
    EXPECT_FALSE(choix("RadioButton13")->isEnabled());
    EXPECT_FALSE(choix("RadioButton14")->isEnabled());
    EXPECT_TRUE(choix("RadioButton19")->isEnabled());
    clique("RadioButton19");
    EXPECT_EQ(page.cle_ordonnee(), QStringLiteral("% élèves"));

    clique("RadioButton4");
    EXPECT_EQ(page.cle_abscisse(), QStringLiteral("classe"));
    EXPECT_EQ(page.cle_ordonnee(), QStringLiteral("score"));
    EXPECT_TRUE(choix("RadioButton14")->isEnabled());
    EXPECT_FALSE(choix("RadioButton19")->isEnabled());
}

TEST_F(PageStats, calculer_dessine_le_graphique_des_classes_cochees)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(64)));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("B_b"), historique_test(reponses_score(32)));
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("C_c"), historique_test(reponses_score(16)));
    QDir().mkpath(ecole.dossier_etablissement() + QStringLiteral("/D_d.txt")); // unreadable history
    ecole.ajoute(QStringLiteral("51"), QStringLiteral("D_d"), std::nullopt);
    dans<QCheckBox>(&page, "CheckBox_el_1_2")->setChecked(false);
    clique("RadioButton4");
    clique("Button1");

    Tstats_el* f = page.fenetre_graphique();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Statistiques par élèves"));
    EXPECT_EQ(f->donnees().texte(), QStringLiteral("Score par classe\t100\t3 élèves\t61\t100\t51\t25"));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("D_d.txt")));

    // Scale of 0 to 100 by 10: 11 lines 27 pixels apart; the bar of 100 is yellow up to the top line.
    const QImage& image = f->image();
    EXPECT_EQ(image.height(), 80 + 10 * 27);
    bool jaune = false, rouge = false;
    for (int x = 0; x < image.width(); ++x) {
        jaune |= image.pixelColor(x, 41) == QColor(Qt::yellow);
        for (int y = image.height() - 20; y < image.height(); ++y)
            rouge |= image.pixelColor(x, y) == QColor(Qt::red);
    }
    EXPECT_TRUE(jaune);
    EXPECT_TRUE(rouge);
    f->close();
}

TEST_F(PageStats, graphique_enregistre_en_png_et_csv_et_imprime)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_vitesse(30)));
    clique("Button1");
    Tstats_el* f = page.fenetre_graphique();

    fichier_choisi = sortie.chemin(QStringLiteral("graphique.png"));
    QTest::mouseClick(dans<QAbstractButton>(f, "Button_enregistrer"), Qt::LeftButton);
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].dossier, sortie.chemin());
    EXPECT_EQ(QImage(fichier_choisi).size(), f->image().size());
    EXPECT_EQ(lit_lignes(sortie.chemin(QStringLiteral("graphique.csv"))),
        (QStringList {QStringLiteral("niveau;Rapidité (nb br/mn)"), QStringLiteral("sixième;30"),
            QStringLiteral("1 élèves;")}));

    // Cancelled: nothing written; a ".csv" picture name is refused rather than overwritten by the data.
    fichier_choisi.clear();
    QTest::mouseClick(dans<QAbstractButton>(f, "Button_enregistrer"), Qt::LeftButton);
    fichier_choisi = sortie.chemin(QStringLiteral("donnees.csv"));
    QTest::mouseClick(dans<QAbstractButton>(f, "Button_enregistrer"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(fichier_choisi));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral(".png")));

    QTest::mouseClick(dans<QAbstractButton>(f, "Button_imprimer"), Qt::LeftButton);
    QFile pdf(sortie.chemin(QStringLiteral("impression.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    f->close();
}

TEST_F(PageStats, bilans_d_une_classe_exportes_en_pdf_et_imprimes)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(reponses_score(40)));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Absent_Paul"), std::nullopt);
    ContexteExport c;
    c.date = QStringLiteral("03/12/2024");
    c.dossier_etablissement = ecole.dossier_etablissement();
    const NoeudExporte classe {ecole.dossier_annee() + QStringLiteral("/61"), QStringLiteral("61: 2 élèves"),
        QStringLiteral("Total: 2 élèves")};

    fichier_choisi = sortie.chemin(QStringLiteral("Classe de 61.pdf"));
    EXPECT_EQ(ButtonEnregistrerClick(&page, classe, c, sortie.chemin(), horloge), fichier_choisi);
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].nom, QStringLiteral("Classe de 61"));
    EXPECT_EQ(demandes[0].filtre, QStringLiteral("Document Adobe Acrobat (*.pdf)"));
    EXPECT_TRUE(QFile::exists(fichier_choisi));
    // The pupil without a history is left out, and said.
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("Absent_Paul")));

    EXPECT_EQ(ImprimerBilan(&page, classe, c), 1);
    EXPECT_TRUE(QFile::exists(sortie.chemin(QStringLiteral("impression.pdf"))));

    // The summary line exports nothing and asks nothing.
    EXPECT_EQ(ButtonEnregistrerClick(
                  &page, {QStringLiteral(" "), QStringLiteral("Total"), {}}, c, sortie.chemin(), horloge),
        QString());
    EXPECT_EQ(demandes.size(), 1);
}

} // namespace
