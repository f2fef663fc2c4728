#include "seance/session.h"
#include "storage/config_perso.h"
#include "storage/configuration.h"
#include "support/gui/poste_console.h"
#include "teacher/aide_console.h"
#include "teacher/arbre_eleves.h"
#include "teacher/ecole_suivi.h"
#include "teacher/page_maintenance.h"
#include "teacher/page_suivi.h"
#include "teacher/tprofesseur.h"
#include "teacher/tstats_el.h"
#include "teacher/vue_resume_eleve.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A home installation whose pupils' folder holds the small school; the console opens on it.
class ConsoleSuivi : public ::testing::Test, protected PosteConsole
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ecole_suivi::poste_avec_ecole(dossier.chemin()));
        demarre_session();
        ouvre_console();
        suivi = console->suivi();
    }
    void TearDown() override { boites::installe_repondeur_fichiers({}); }
    // The node of the pupil or class whose line starts with `debut` (after its tabs).
    int ligne(const QString& debut) const
    {
        const QStringList& lignes = suivi->arbre()->lignes();
        for (int i = 0; i < lignes.size(); ++i)
            if (lignes[i].mid(profondeur_ligne(lignes[i])).startsWith(debut))
                return i;
        ADD_FAILURE() << debut.toStdString();
        return 0;
    }
    void choisit(int i) const { suivi->arbre()->setCurrentItem(suivi->arbre()->noeud(i)); }
    QString liste_eleves() const { return dossier.chemin(QStringLiteral("stats/liste_eleves.txt")); }

    PageSuivi* suivi = nullptr;
};

} // namespace

TEST_F(ConsoleSuivi, l_ouverture_construit_la_liste_et_le_resume_d_un_eleve_montre_ses_tests)
{
    EXPECT_EQ(console->classeur()->currentIndex(), TProfesseur::Bilans);
    EXPECT_EQ(dans<QPushButton>(console.get(), "Button3")->text(), QStringLiteral("Rafraîchir liste"));
    EXPECT_TRUE(dans<QPushButton>(console.get(), "Button_impr_list")->isVisibleTo(console.get()));
    EXPECT_EQ(lit_lignes(liste_eleves()), suivi->liste().lignes);
    QTreeWidgetItem* haut = suivi->arbre()->topLevelItem(0);
    ASSERT_NE(haut, nullptr);
    EXPECT_TRUE(haut->isExpanded());
    EXPECT_EQ(haut->childCount(), 3);
    EXPECT_TRUE(boites.vues.isEmpty());

    choisit(ligne(QStringLiteral("Dupont")));
    VueResumeEleve* resume = dans<VueResumeEleve>(console.get(), "RichView1");
    const QString texte = resume->toPlainText();
    for (const char* attendu : {"Dupont Marie", "61", "1 seule séance, le Lundi 02/12/2024",
             "temps total: 00:20:00", "Test du Lundi 02/12/2024"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(attendu))) << attendu;
    ASSERT_EQ(resume->jours().size(), 1);
    // A screen reader gets the chart in words, not as an empty object character; the icon is decoration.
    QAccessibleTextInterface* lu = QAccessible::queryAccessibleInterface(resume)->textInterface();
    ASSERT_NE(lu, nullptr);
    const QString dit = lu->text(0, lu->characterCount());
    EXPECT_FALSE(dit.contains(QChar::ObjectReplacementCharacter)) << dit.toStdString();
    EXPECT_EQ(dit.count(QStringLiteral("Graphique : ")), 1);
    EXPECT_TRUE(dit.contains(QStringLiteral("Test du Lundi 02/12/2024\nGraphique : "))) << dit.toStdString();
    EXPECT_TRUE(dit.contains(QStringLiteral(
        "54 réponses OK, 1 réponse trop lente, 0 réponse fausse ou absente. Trop lentes : 8×8.")))
        << dit.toStdString();
    // The tree shows its top line whole; the chart keeps its proportions within the pane, however narrow.
    EXPECT_GE(suivi->arbre()->viewport()->width(),
        suivi->arbre()->fontMetrics().horizontalAdvance(haut->text(0)) + suivi->arbre()->indentation());
    auto* partage = qobject_cast<QSplitter*>(resume->parentWidget());
    ASSERT_NE(partage, nullptr);
    for (const int largeur_resume : {560, 300}) {
        const int total = partage->sizes().value(0) + partage->sizes().value(1);
        partage->setSizes({total - largeur_resume, largeur_resume});
        QCoreApplication::processEvents();
        const QImage graphique
            = resume->document()
                  ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("graphique:0")))
                  .value<QImage>();
        EXPECT_LE(graphique.width(), std::min(503, resume->viewport()->width())) << largeur_resume;
        EXPECT_NEAR(graphique.height(), graphique.width() * 310.0 / 503, 1.0) << largeur_resume;
    }

    // A class shows its folder.
    choisit(ligne(QStringLiteral("64:")));
    EXPECT_TRUE(resume->toPlainText().contains(QStringLiteral("/2024-2025/64")));
    // The reader follows the new text.
    EXPECT_TRUE(lu->text(0, lu->characterCount()).contains(QStringLiteral("/2024-2025/64")));
    EXPECT_FALSE(lu->text(0, lu->characterCount()).contains(QStringLiteral("Graphique")));
    EXPECT_EQ(suivi->arbre()->chemins_selection().size(), 2);

    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_red"), Qt::LeftButton);
    EXPECT_FALSE(haut->isExpanded());
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_dev"), Qt::LeftButton);
    EXPECT_TRUE(haut->child(0)->isExpanded());
}

TEST_F(ConsoleSuivi, voir_les_records_montre_la_liste_que_la_construction_vient_d_ecrire)
{
    ASSERT_FALSE(suivi->liste().records.isEmpty());
    EXPECT_EQ(session->liste_records(), suivi->liste().records);
    // A pupil tested meanwhile comes in at the next build.
    ecole_suivi::ajoute(session->reglages().dossier_eleves, QStringLiteral("63"), QStringLiteral("Neuf_Ali"),
        ecole_suivi::un_test(QStringLiteral("Mercredi"), QStringLiteral("04/12/2024"), 64));
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button3"), Qt::LeftButton);
    EXPECT_EQ(session->liste_records(), suivi->liste().records);
    EXPECT_TRUE(session->liste_records().last().endsWith(QStringLiteral("Neuf_Ali")));
}

TEST_F(ConsoleSuivi, imprimer_liste_envoie_ses_lignes_ou_dit_qu_il_n_y_a_rien_a_imprimer)
{
    const QString pdf = dossier.chemin(QStringLiteral("liste.pdf"));
    boites::installe_repondeur_fichiers({{}, [&](QPrinter& imprimante) {
                                             imprimante.setOutputFormat(QPrinter::PdfFormat);
                                             imprimante.setOutputFileName(pdf);
                                             return true;
                                         }});
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_impr_list"), Qt::LeftButton);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(boites.vues.isEmpty());

    ASSERT_TRUE(QFile::remove(liste_eleves()));
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_impr_list"), Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("Fichier non trouvé"));
    EXPECT_EQ(boites.vues[0].texte, QStringLiteral("Impossible d'imprimer!"));
}

TEST_F(ConsoleSuivi, la_maintenance_fusionne_deux_copies_dans_l_une_et_l_autre)
{
    using namespace ecole_suivi;
    const QString f1 = dossier.chemin(QStringLiteral("copie1.txt")),
                  f2 = dossier.chemin(QStringLiteral("copie2.txt"));
    const QStringList lundi = un_test(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"), 8);
    const QStringList mardi = un_test(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"), 9);
    ASSERT_TRUE(ecrit_lignes(f1, lundi));
    ASSERT_TRUE(ecrit_lignes(f2, lundi + mardi));
    console->classeur()->setCurrentIndex(TProfesseur::maintenance_fichiers);
    QStringList dossiers_ouverts;
    QStringList choix {f1, f2};
    boites::installe_repondeur_fichiers({[&](const boites::DemandeFichier& d) {
                                             dossiers_ouverts << d.dossier;
                                             return choix.takeFirst();
                                         },
        {}});
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_ChoixFichier1"), Qt::LeftButton);
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_ChoixFichier2"), Qt::LeftButton);
    EXPECT_EQ(dossiers_ouverts, QStringList(2, session->reglages().dossier_eleves));
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_fusionne"), Qt::LeftButton);
    EXPECT_EQ(lit_lignes(f1), lundi + mardi);
    EXPECT_EQ(lit_lignes(f2), lundi + mardi);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("fusionnés")));

    // The same file twice is refused before anything is written.
    choix = QStringList {f1};
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_ChoixFichier2"), Qt::LeftButton);
    QTest::mouseClick(dans<QPushButton>(console.get(), "Button_fusionne"), Qt::LeftButton);
    EXPECT_EQ(boites.vues.last().texte, QStringLiteral("fichier1 et fichier2 sont le même fichier."));
}

TEST_F(ConsoleSuivi, amenagements_garde_le_temps_de_l_eleve_choisi_dans_son_fichier_et_le_resume_le_dit)
{
    QPushButton* bouton = dans<QPushButton>(console.get(), "Button_amenagements");
    EXPECT_FALSE(bouton->isEnabled());
    const int dupont = ligne(QStringLiteral("Dupont"));
    const QString ini = chemin_config_perso_de_historique(suivi->liste().chemins.at(dupont));
    choisit(dupont);
    ASSERT_TRUE(bouton->isEnabled());
    VueResumeEleve* resume = dans<VueResumeEleve>(console.get(), "RichView1");
    EXPECT_FALSE(resume->toPlainText().contains(QStringLiteral("temps aménagé")));

    boites.valeur_saisie = libelle_amenagement(Amenagement::tiers);
    QTest::mouseClick(bouton, Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].choix.size(), 5);
    EXPECT_EQ(boites.vues[0].valeur, libelle_amenagement(Amenagement::aucun));
    EXPECT_EQ(lit_amenagement(ini), Amenagement::tiers);
    EXPECT_TRUE(resume->toPlainText().contains(QStringLiteral("temps aménagé : +1/3")));
    // Chosen again later, the box opens on his present choice; "Annuler" changes nothing.
    choisit(ligne(QStringLiteral("64:")));
    EXPECT_FALSE(bouton->isEnabled());
    choisit(dupont);
    EXPECT_TRUE(resume->toPlainText().contains(QStringLiteral("temps aménagé : +1/3")));
    boites.reponses << QMessageBox::Cancel;
    boites.valeur_saisie = libelle_amenagement(Amenagement::sans_limite);
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_EQ(boites.vues.last().valeur, libelle_amenagement(Amenagement::tiers));
    EXPECT_EQ(lit_amenagement(ini), Amenagement::tiers);

    // A file that cannot be read is never replaced: the teacher is told.
    const int martin = ligne(QStringLiteral("Martin"));
    const QString bloque = chemin_config_perso_de_historique(suivi->liste().chemins.at(martin));
    ASSERT_TRUE(QDir().mkpath(bloque));
    choisit(martin);
    boites.vues.clear();
    QTest::mouseClick(bouton, Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 2);
    EXPECT_TRUE(boites.vues[1].texte.startsWith(QStringLiteral("L'aménagement n'a pas pu être enregistré.")));
    EXPECT_TRUE(QFileInfo(bloque).isDir());
}

TEST_F(ConsoleSuivi, progression_ouvre_le_graphique_de_l_eleve_a_enregistrer_avec_ses_donnees)
{
    QPushButton* bouton = dans<QPushButton>(console.get(), "Button_progression_eleve");
    EXPECT_FALSE(bouton->isEnabled());
    choisit(ligne(QStringLiteral("Dupont")));
    ASSERT_TRUE(bouton->isEnabled());
    boites::installe_repondeur_fichiers(
        {[&](const boites::DemandeFichier& d) { return dossier.chemin(d.nom + QStringLiteral(".png")); },
            {}});
    QTest::mouseClick(bouton, Qt::LeftButton);
    Tstats_el* f = suivi->fenetre_progression();
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(f->image().isNull());
    ASSERT_EQ(f->lignes_csv().size(), 2);
    EXPECT_TRUE(f->lignes_csv()[1].startsWith(QStringLiteral("02/12/2024;85;")));
    EXPECT_EQ(dans<QLabel>(f, "Image1")->accessibleDescription(),
        dans<VueResumeEleve>(console.get(), "RichView1")->description_progression());
    dans<QPushButton>(f, "Button_enregistrer")->click();
    EXPECT_EQ(lit_lignes(dossier.chemin(QStringLiteral("Progression de Marie Dupont.csv"))).value(),
        f->lignes_csv());
}
