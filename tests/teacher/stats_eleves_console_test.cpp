#include "reports/outils_pdf.h"
#include "seance/session.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "support/gui/poste_console.h"
#include "teacher/aide_console.h"
#include "teacher/arbre_eleves.h"
#include "teacher/ecole_suivi.h"
#include "teacher/page_stat_produits.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/page_suivi.h"
#include "teacher/tprofesseur.h"
#include "teacher/tstats_el.h"
#include "ui/boites.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The console over the class follow-up's small school, its levels "sixième" (61, 62) and "cinquième" (63,
// 64); the save and print dialogs answer into the test's folder.
class ConsoleStats : public ::testing::Test, protected PosteConsole
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ecole_suivi::poste_avec_ecole(dossier.chemin()));
        complete_poste();
        demarre_session();
        Reglages& r = session->reglages();
        r.niveaux = {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("62")}},
            {QStringLiteral("cinquième"), {QStringLiteral("63"), QStringLiteral("64")}}};
        r.dossier_etablissement = dossier.chemin(QStringLiteral("Eleves/") + ecole_suivi::etablissement);
        r.dossier_annee = r.dossier_etablissement + QLatin1Char('/') + ecole_suivi::annee;
        ouvre_console();
        page = console->page_stats_eleves();
        boites::installe_repondeur_fichiers({[this](const boites::DemandeFichier& d) {
                                                 demandes.append(d);
                                                 return dossier.chemin(
                                                     d.nom + QLatin1Char('.') + d.extension);
                                             },
            [this](QPrinter& p) {
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(dossier.chemin(QStringLiteral("impression.pdf")));
                return true;
            }});
    }
    void TearDown() override { boites::installe_repondeur_fichiers({}); }
    // Pupils and settings added to the school before the program starts.
    virtual void complete_poste() { }
    void clique(const QObject* parent, const char* nom) const { dans<QAbstractButton>(parent, nom)->click(); }
    bool actif(const char* nom) const { return dans<QRadioButton>(page, nom)->isEnabled(); }
    int pages_pdf(const QString& nom) const
    {
        const QString info = lance_outil(QStringLiteral("pdfinfo"), {dossier.chemin(nom)}).sortie;
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    }

    PageStatsEleves* page = nullptr;
    QList<boites::DemandeFichier> demandes;
};

TEST_F(ConsoleStats, choix_par_defaut_et_appariement_des_axes)
{
    EXPECT_EQ(page->cle_abscisse(), QStringLiteral("niveau"));
    EXPECT_EQ(page->cle_ordonnee(), QStringLiteral("nb bonnes rép/mn"));
    EXPECT_FALSE(actif("RadioButton18"));
    EXPECT_FALSE(dans<QRadioButton>(page, "RadioButton6")->isVisibleTo(page));
    EXPECT_EQ(dans<QDateEdit>(page, "DateTimePicker1")->date(), QDate(2024, 9, 1));
    EXPECT_EQ(dans<QDateEdit>(page, "DateTimePicker3")->date(), QDate(2024, 12, 7));

    clique(page, "RadioButton12");
    EXPECT_EQ(page->cle_ordonnee(), QStringLiteral("nb élèves"));
    EXPECT_FALSE(actif("RadioButton13") || actif("RadioButton14"));
    clique(page, "RadioButton19");
    EXPECT_EQ(page->cle_ordonnee(), QStringLiteral("% élèves"));
    clique(page, "RadioButton4");
    EXPECT_EQ(page->cle_abscisse(), QStringLiteral("classe"));
    EXPECT_EQ(page->cle_ordonnee(), QStringLiteral("score"));
    EXPECT_TRUE(actif("RadioButton14"));
    EXPECT_FALSE(actif("RadioButton19"));
}

TEST_F(ConsoleStats, calculer_dessine_le_graphique_qui_s_enregistre_et_s_imprime)
{
    QDir().mkpath(
        session->reglages().dossier_etablissement + QStringLiteral("/Absent_Zoe.txt")); // unreadable
    dans<QCheckBox>(page, "CheckBox_el_2_2")->setChecked(false);
    clique(page, "RadioButton4");
    clique(page, "Button1");
    Tstats_el* f = page->fenetre_graphique();
    ASSERT_TRUE(f->isVisible());
    // 61: 85, 7 and 66 give 53; 62: no test; 64 not ticked.
    EXPECT_EQ(f->donnees().texte(), QStringLiteral("Score par classe\t100\t6 élèves\t61\t53"));
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("Image1"))->accessibleDescription(),
        QStringLiteral("Score par classe. 61: 53. (6 élèves)"));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("Absent_Zoe.txt")));
    // Scale of 0 to 100 by 10: 11 lines 27 pixels apart; a yellow bar, the pupil count in red.
    const QImage& image = f->image();
    EXPECT_EQ(image.height(), 80 + 10 * 27);
    bool jaune = false, rouge = false;
    for (int x = 0; x < image.width(); ++x) {
        jaune |= image.pixelColor(x, image.height() - 42) == QColor(Qt::yellow);
        for (int y = image.height() - 20; y < image.height(); ++y)
            rouge |= image.pixelColor(x, y) == QColor(Qt::red);
    }
    EXPECT_TRUE(jaune);
    EXPECT_TRUE(rouge);

    clique(f, "Button_enregistrer");
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].dossier, dossier.chemin(QStringLiteral("stats")));
    EXPECT_EQ(QImage(dossier.chemin(QStringLiteral("Statistiques élèves.png"))).size(), image.size());
    EXPECT_EQ(lit_lignes(dossier.chemin(QStringLiteral("Statistiques élèves.csv"))),
        (QStringList {QStringLiteral("classe;Score"), QStringLiteral("61;53"), QStringLiteral("6 élèves;")}));
    // The data go beside the picture as .csv: a picture of that name is refused rather than overwritten.
    EXPECT_FALSE(
        enregistre_graphique(dossier.chemin(QStringLiteral("g.csv")), image, f->lignes_csv()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dossier.chemin(QStringLiteral("g.csv"))));
    clique(f, "Button_imprimer");
    EXPECT_EQ(pages_pdf(QStringLiteral("impression.pdf")), 1);
    f->close();
}

TEST_F(ConsoleStats, bilans_d_une_classe_du_suivi_en_pdf_et_a_l_imprimante)
{
    ArbreEleves* arbre = console->suivi()->arbre();
    const auto choisit = [arbre](const QString& debut) {
        for (int i = 0; i < arbre->lignes().size(); ++i)
            if (arbre->lignes()[i].trimmed().startsWith(debut))
                arbre->setCurrentItem(arbre->noeud(i));
    };
    choisit(QStringLiteral("61:"));
    clique(console.get(), "ButtonEnregistrer");
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].nom, QStringLiteral("Classe de 61"));
    EXPECT_EQ(demandes[0].filtre, QStringLiteral("Document Adobe Acrobat (*.pdf)"));
    EXPECT_EQ(pages_pdf(QStringLiteral("Classe de 61.pdf")), 3);
    const QString texte = texte_du_pdf(dossier.chemin(QStringLiteral("Classe de 61.pdf")));
    const qsizetype a = texte.indexOf(QStringLiteral("ABCDEFGHIJ")),
                    d = texte.indexOf(QStringLiteral("DUPONT")), m = texte.indexOf(QStringLiteral("MARTIN"));
    EXPECT_TRUE(a >= 0 && a < d && d < m);
    // The pupil with learning only has no report, and is named.
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("Sansbilan_Paul")));

    clique(console.get(), "ButtonImprimer");
    EXPECT_EQ(pages_pdf(QStringLiteral("impression.pdf")), 3);
    // The summary line exports nothing.
    choisit(QStringLiteral("Total"));
    clique(console.get(), "ButtonEnregistrer");
    EXPECT_EQ(demandes.size(), 1);
}

// "Masquer tests incomplets": sixième must answer the tables of 2 and 3, cinquième the table of 2. Two
// pupils answered the table of 2 only: Table_Deux (63, cinquième) has a complete test, Autre_Deux (62,
// sixième) has not. The console is opened with no pupil identified.
class ConsoleTestsComplets : public ConsoleStats
{
protected:
    void complete_poste() override
    {
        const QString eleves = dossier.chemin(QStringLiteral("Eleves"));
        ecole_suivi::ajoute(eleves, QStringLiteral("63"), QStringLiteral("Table_Deux"),
            ecole_suivi::un_test(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), 8));
        ecole_suivi::ajoute(eleves, QStringLiteral("62"), QStringLiteral("Autre_Deux"),
            ecole_suivi::un_test(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), 7, 1));
        FichierIni ini(dossier.chemin(QStringLiteral("Tabrix.ini")));
        ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(ecole_suivi::annee),
            QStringLiteral("sixième<61,62>cinquième<63,64>"));
        ini.ecrit_texte(cles::etablissement, cles::objectifs_classiques_niveaux,
            QStringLiteral("sixième<table_2,table_3>cinquième<table_2>"));
        ini.ecrit_texte(cles::apparence, cles::masquer_incomplets, QStringLiteral("oui"));
        ASSERT_TRUE(ini.enregistre());
    }
    QString ligne_de(const QString& nom) const
    {
        for (const QString& l : console->suivi()->liste().lignes)
            if (l.contains(nom))
                return l;
        return {};
    }
};

TEST_F(ConsoleTestsComplets, un_test_complet_pour_le_niveau_de_sa_classe_compte_sur_les_trois_pages)
{
    ASSERT_TRUE(session->reglages().masquer_tests_incomplets);
    // Suivi de classes.
    EXPECT_TRUE(ligne_de(QStringLiteral("Table")).endsWith(QStringLiteral("..12")))
        << ligne_de(QStringLiteral("Table")).toStdString();
    EXPECT_TRUE(ligne_de(QStringLiteral("Autre")).endsWith(QStringLiteral("   ")));
    // Statistiques élèves, per class: 63 has a tested pupil, 62 none.
    clique(page, "RadioButton4");
    const DonneesStats d = genere_donnees(page->parametres());
    QStringList classes;
    for (const auto& [classe, valeur] : d.barres)
        classes << classe;
    EXPECT_TRUE(classes.contains(QStringLiteral("63"))) << d.texte().toStdString();
    EXPECT_FALSE(classes.contains(QStringLiteral("62"))) << d.texte().toStdString();
    // Statistiques produits.
    const Collecte c = console->findChild<PageStatProduits*>()->collecte();
    EXPECT_TRUE(c.reponses.contains(ecole_suivi::enregistrements(8)));
    EXPECT_FALSE(c.reponses.contains(ecole_suivi::enregistrements(7, 1)));
    // The reports of the follow-up.
    ArbreEleves* arbre = console->suivi()->arbre();
    for (const char* nom : {"Table", "Autre"}) {
        for (int i = 0; i < arbre->lignes().size(); ++i)
            if (arbre->lignes()[i].trimmed().startsWith(QString::fromLatin1(nom)))
                arbre->setCurrentItem(arbre->noeud(i));
        clique(console.get(), "ButtonEnregistrer");
    }
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].nom, QStringLiteral("Table_Deux"));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("Autre_Deux")))
        << boites.vues[0].texte.toStdString();
}

} // namespace

TEST_F(ConsoleStats, progression_des_classes_cochees_semaine_par_semaine_enregistree_et_decrite)
{
    session->reglages().annee_scolaire = ecole_suivi::annee;
    dans<QCheckBox>(page, "CheckBox_el_1_2")->setChecked(false); // 62
    clique(page, "Button_progression");
    Tstats_el* f = page->fenetre_graphique();
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(f->image().isNull());
    const QStringList csv = f->lignes_csv();
    ASSERT_EQ(csv.size(), 1 + 53);
    EXPECT_EQ(csv[0], QStringLiteral("semaine du;61;63;64"));
    // Week of 25 November: Abcdefghijklmnopqrstu (Sunday 1 December) in 61; Deux and Trois in 64.
    EXPECT_EQ(csv[14], QStringLiteral("25/11/2024;66;;68"));
    EXPECT_EQ(csv[15], QStringLiteral("02/12/2024;46;;"));
    EXPECT_TRUE(dans<QLabel>(f, "Image1")
                    ->accessibleDescription()
                    .startsWith(QStringLiteral(
                        "Progression des classes en 2024-2025, score moyen par semaine. 61 : 2 semaines")));
    clique(f, "Button_enregistrer");
    ASSERT_FALSE(demandes.isEmpty());
    EXPECT_EQ(demandes.last().nom, QStringLiteral("Progression 2024-2025"));
    EXPECT_EQ(
        lit_lignes(dossier.chemin(QStringLiteral("Progression 2024-2025.csv"))).value_or(QStringList()), csv);
    EXPECT_EQ(QImage(dossier.chemin(QStringLiteral("Progression 2024-2025.png"))).size(), f->image().size());
}
