#include "app/graphique_jours_barre.h"
#include "app/tgeneral.h"
#include "app/tgeneral_bulles.h"
#include "app/tident.h"
#include "core/faits.h"
#include "platform/fenetre_aide.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"
#include "ui/bulle_aide.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

// The dashboard of a home installation in a temporary folder, on Tuesday 3 December 2024.
class FenetreTableau : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        m_fenetre
            = std::make_unique<Tgeneral>(m_dossier.chemin(QStringLiteral("poste")), m_horloge, m_plateforme);
        m_fenetre->session().initialise_session();
        m_fenetre->applique_session();
    }

    template <typename T = QWidget> T* controle(const QString& nom) const
    {
        T* w = m_fenetre->findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom.toStdString();
        return w;
    }

    // A pupil without history, identified.
    void identifie(
        const QString& nom = QStringLiteral("DUPONT"), const QString& prenom = QStringLiteral("Jean"))
    {
        IdentiteEleve id;
        id.nom = nom;
        id.prenom = prenom;
        id.nom_fichier = nom + QLatin1Char('_') + prenom;
        id.chemin_historique
            = m_dossier.chemin(QStringLiteral("poste/") + id.nom_fichier + QStringLiteral(".txt"));
        m_fenetre->initialise_session_eleve(id);
    }

    // Days tested with these percentages, each with a complete classic test line.
    void jours_testes(const QList<int>& pourcentages)
    {
        EtatEleve& e = m_fenetre->session().eleve();
        e.nouvel_eleve = false;
        e.jours_tests.clear();
        e.lignes_tests_retenues.clear();
        QString enregistrements;
        for (const QString& code : produits_des_tables(QStringLiteral("tables_classiques")))
            enregistrements
                += QLatin1Char('P') + code + QStringLiteral("0120") + valeur_produit_4(code).mid(1);
        int jour = 2;
        for (int p : pourcentages) {
            e.jours_tests.append(
                {QStringLiteral("Lundi %1/11/2024").arg(jour++, 2, 10, QLatin1Char('0')), p});
            e.lignes_tests_retenues.append(
                QStringLiteral("\tTEST de 14:02:10 à 14:05:00 ") + enregistrements);
        }
        m_fenetre->affiche_graphique();
    }

    QVector<GraphiqueJoursBarre*> barres() const
    {
        QVector<GraphiqueJoursBarre*> r;
        for (auto* b : m_fenetre->findChildren<GraphiqueJoursBarre*>())
            r.append(b);
        std::sort(r.begin(), r.end(), [](auto* a, auto* b) { return a->jour() < b->jour(); });
        return r;
    }

    QAction* entree(const QString& texte) const
    {
        for (QAction* a : m_fenetre->menuBar()->findChildren<QAction*>())
            if (a->text() == texte)
                return a;
        ADD_FAILURE() << texte.toStdString();
        return nullptr;
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge;
    PlateformeFactice m_plateforme;
    RepondeurBoites m_boites;
    std::unique_ptr<Tgeneral> m_fenetre;
};

TEST_F(FenetreTableau, un_graphique_de_trois_jours_a_des_barres_de_la_hauteur_et_couleur_de_leur_pourcentage)
{
    identifie();
    jours_testes({100, 49, 72});
    EXPECT_TRUE(controle(QStringLiteral("Scrollbox1"))->isVisibleTo(m_fenetre.get()));
    const auto b = barres();
    ASSERT_EQ(b.size(), 3);
    EXPECT_EQ(b[0]->height(), 201);
    EXPECT_EQ(b[1]->height(), 99);
    EXPECT_EQ(b[2]->height(), 145);
    EXPECT_EQ(b[1]->couleur(), QColor::fromRgb(couleur_bande(Bande::tres_faible)));
    for (auto* barre : b)
        EXPECT_EQ(barre->geometry().bottom(), 260);
    // Three components per day, all named in order, and a redraw replaces them.
    EXPECT_NE(controle(QStringLiteral("composant9")), nullptr);
    EXPECT_EQ(m_fenetre->findChild<QWidget*>(QStringLiteral("composant10")), nullptr);
    jours_testes({80});
    EXPECT_EQ(barres().size(), 1);
    EXPECT_EQ(m_fenetre->findChild<QWidget*>(QStringLiteral("composant4")), nullptr);
    const auto valeurs = m_fenetre->findChildren<QLabel*>(QStringLiteral("composant3"));
    ASSERT_EQ(valeurs.size(), 1);
    EXPECT_EQ(valeurs.first()->text(), QStringLiteral("80%"));
}

TEST_F(FenetreTableau, quarante_jours_font_defiler_le_graphique_jusqu_aux_derniers)
{
    m_fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_fenetre.get()));
    identifie();
    jours_testes(QList<int>(40, 90));
    auto* zone = controle<QScrollArea>(QStringLiteral("Scrollbox1"));
    EXPECT_GT(zone->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(zone->horizontalScrollBar()->value(), zone->horizontalScrollBar()->maximum());
    EXPECT_EQ(controle(QStringLiteral("ShapeEx1"))->width(), 32 * 40 + 30);
}

TEST_F(FenetreTableau, appuyer_sur_une_barre_montre_le_test_du_jour_et_relacher_le_cache)
{
    identifie();
    jours_testes({60, 95});
    auto* image = controle<QLabel>(QStringLiteral("Image1"));
    const auto b = barres();
    QTest::mousePress(b[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(image->isVisibleTo(m_fenetre.get()));
    ASSERT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->pixmap().size(), QSize(310, 255));
    QTest::mouseRelease(b[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(image->isVisibleTo(m_fenetre.get()));
}

TEST_F(FenetreTableau, seul_le_clic_droit_sur_la_derniere_barre_propose_d_imprimer)
{
    identifie();
    jours_testes({60, 95});
    auto* menu = m_fenetre->findChild<QMenu*>(QStringLiteral("menu_graphique"));
    ASSERT_NE(menu, nullptr);
    const auto b = barres();
    QTest::mousePress(b[0], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(menu->isVisible());
    QTest::mousePress(b[1], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral("Imprimer"));
    EXPECT_TRUE(menu->actions().first()->isEnabled());
    menu->hide();
    EXPECT_FALSE(controle(QStringLiteral("Image1"))->isVisibleTo(m_fenetre.get()));
}

TEST_F(FenetreTableau, fermer_la_fenetre_remet_les_verrous_du_clavier_du_lancement)
{
    identifie();
    m_plateforme.num = !m_plateforme.num;
    m_plateforme.maj = !m_plateforme.maj;
    m_fenetre->close();
    EXPECT_EQ(m_plateforme.num, m_fenetre->session().verrouillage_numerique_au_lancement());
    EXPECT_EQ(m_plateforme.maj, m_fenetre->session().verrouillage_majuscules_au_lancement());
}

TEST_F(FenetreTableau, les_records_se_montrent_du_meilleur_au_dernier_et_se_cachent)
{
    // At home there is no records button; with an empty list the memo says so.
    EXPECT_FALSE(controle(QStringLiteral("Button_records"))->isVisibleTo(m_fenetre.get()));
    m_fenetre->session().liste_records().clear();
    m_fenetre->actualise_affichage_records();
    EXPECT_EQ(
        controle<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText(), QStringLiteral("Aucun record."));

    m_fenetre->session().reglages().mode_ecole = true;
    m_fenetre->applique_session();
    m_fenetre->session().liste_records()
        = QStringList {QStringLiteral("085007MARTIN_Eve"), QStringLiteral("100042DUPONTEL_Jean-Marc")};
    auto* bouton = controle<QPushButton>(QStringLiteral("Button_records"));
    auto* memo = controle<QPlainTextEdit>(QStringLiteral("Memo1"));
    ASSERT_TRUE(bouton->isVisibleTo(m_fenetre.get()));
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_TRUE(memo->isVisibleTo(m_fenetre.get()));
    EXPECT_EQ(bouton->text(), QStringLiteral("Cacher les records"));
    const QStringList lignes = memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lignes.size(), 4);
    EXPECT_EQ(lignes[0], QStringLiteral("score                      (vitesse)"));
    EXPECT_EQ(lignes[2], QStringLiteral(" 100% DUPONTEL Jean-Marc..... (42)"));
    // Nine letters for the two names: thirteen dots, and a one-digit speed right-aligned.
    EXPECT_EQ(lignes[3], QStringLiteral("  85% MARTIN Eve............. ( 7)"));
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_FALSE(memo->isVisibleTo(m_fenetre.get()));
    EXPECT_EQ(bouton->text(), QStringLiteral("Voir les records"));
}

TEST_F(FenetreTableau, les_boutons_des_tables_changent_les_produits_etudies_et_le_nombre_a_apprendre)
{
    identifie();
    auto* deux = controle<QToolButton>(QStringLiteral("SpeedButton2"));
    auto* cinq = controle<QToolButton>(QStringLiteral("SpeedButton5"));
    auto* label2 = controle<QLabel>(QStringLiteral("Label2"));
    for (int n = 2; n <= 9; ++n) {
        auto* b = controle<QToolButton>(QStringLiteral("SpeedButton%1").arg(n));
        if (b->isChecked())
            QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_TRUE(deux->isChecked());
    EXPECT_EQ(m_fenetre->session().eleve().produits_etudies, produits_des_tables(QStringLiteral("table_2")));
    QTest::mouseClick(cinq, Qt::LeftButton);
    EXPECT_TRUE(cinq->isChecked());
    EXPECT_EQ(m_fenetre->session().eleve().produits_etudies.size(), 16);

    // Whole tables, then one table more: two tables of 8.
    QTest::mouseClick(controle<QToolButton>(QStringLiteral("SpeedButton_tables")), Qt::LeftButton);
    QTest::mouseClick(controle<QToolButton>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    EXPECT_EQ(label2->text(), QStringLiteral("16"));
    EXPECT_EQ(label2->toolTip(), QStringLiteral("16 produits à apprendre"));

    // The extended group shows its own panel and starts on the squares.
    QTest::mouseClick(controle<QToolButton>(QStringLiteral("SpeedButton_12_19")), Qt::LeftButton);
    EXPECT_TRUE(controle(QStringLiteral("Panel_12_19"))->isVisibleTo(m_fenetre.get()));
    EXPECT_FALSE(controle(QStringLiteral("Panel_2_9"))->isVisibleTo(m_fenetre.get()));
    EXPECT_TRUE(controle<QToolButton>(QStringLiteral("SpeedButton11"))->isChecked());
    EXPECT_EQ(
        m_fenetre->session().eleve().produits_etudies, produits_des_tables(QStringLiteral("table_carres")));
}

TEST_F(FenetreTableau, changer_d_eleve_vide_le_tableau_et_redemande_l_identification)
{
    identifie();
    jours_testes({70, 80});
    bool identification_montree = false;
    // The identification window is left without choosing anybody.
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<Tident*>(QApplication::activeModalWidget())) {
            identification_montree = true;
            d->reject();
        }
    });
    m_fenetre->ButtonChangerEleveClick();
    EXPECT_TRUE(identification_montree);
    EXPECT_FALSE(m_fenetre->session().eleve().identite.identifie());
    EXPECT_FALSE(controle(QStringLiteral("Scrollbox1"))->isVisibleTo(m_fenetre.get()));
    EXPECT_FALSE(controle(QStringLiteral("label_nom"))->isVisibleTo(m_fenetre.get()));
    EXPECT_FALSE(controle(QStringLiteral("Button_Test"))->isVisibleTo(m_fenetre.get()));
    EXPECT_TRUE(barres().isEmpty());
    EXPECT_FALSE(entree(QStringLiteral("Test normal"))->isEnabled()) << "nobody to test";
}

TEST_F(FenetreTableau, rien_a_apprendre_est_dit_au_lieu_d_ouvrir_l_apprentissage)
{
    identifie();
    m_fenetre->session().eleve().produits_a_memoriser.clear();
    m_fenetre->apprentissage1Click();
    auto* boite = m_fenetre->findChild<Tboite_message*>();
    ASSERT_NE(boite, nullptr);
    EXPECT_TRUE(boite->isVisible());
    EXPECT_EQ(boite->windowTitle(), QStringLiteral("Apprentissage inutile"));
    EXPECT_EQ(boite->texte(), QStringLiteral("Tu sais déjà tes tables!!"));
    EXPECT_TRUE(m_boites.vues.isEmpty());
    boite->close();
}

// A fixed border: a window manager that un-maximises the window gets it maximised again, at its size; its
// hint balloons are the program's own.
TEST_F(FenetreTableau, la_fenetre_maximisee_le_reste_et_ses_bulles_sont_arrondies)
{
    m_fenetre->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_fenetre.get()));
    QCoreApplication::processEvents();
    const QSize taille = m_fenetre->size();
    m_fenetre->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_fenetre->isMaximized() && m_fenetre->size() == taille; }));
    // Minimised, it stays so until the pupil brings it back.
    m_fenetre->setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_fenetre->isMinimized());

    TgeneralBulles::installe();
    QWidget* bouton = controle(QStringLiteral("SpeedButton_trous"));
    bouton->setToolTip(QStringLiteral("Une bulle assez longue pour tenir sur plusieurs lignes de la bulle"));
    QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), bouton->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bouton, &aide);
    BulleAide* bulle = BulleAide::instance();
    ASSERT_NE(bulle, nullptr);
    EXPECT_EQ(bulle->width(), BulleAide::largeur);
    EXPECT_TRUE(bulle->font().italic());
    const QImage image = bulle->grab().toImage();
    // Rounded: the corner is left transparent; the text wraps onto more than one line.
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_GT(bulle->height(), 2 * bulle->fontMetrics().height());
    QEvent sortie(QEvent::Leave);
    QApplication::sendEvent(bouton, &sortie);
    EXPECT_EQ(BulleAide::instance(), nullptr);
}

TEST_F(FenetreTableau, l_aide_et_la_boite_a_propos_s_ouvrent)
{
    QString texte_version;
    // Each dialog is read and closed as soon as it is shown.
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            for (QLabel* l : d->findChildren<QLabel*>())
                if (l->text().startsWith(QLatin1String("version")))
                    texte_version = l->text();
            d->reject();
        }
    });
    m_fenetre->N1Click();
    EXPECT_EQ(texte_version, QStringLiteral("version 0.96.04"));
    m_fenetre->aide1Click();
    EXPECT_TRUE(m_boites.vues.isEmpty()) << "the help pages are compiled in";
    auto* aide = m_fenetre->findChild<FenetreAide*>();
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->isVisible());
    const QString page = aide->navigateur()->toPlainText();
    for (const char* activite : {"Le test", "L'apprentissage", "Le perfectionnement", "Le tableau de bord"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(activite))) << activite;
    aide->close();
}

} // namespace

TEST_F(FenetreTableau, une_seance_qui_ne_peut_pas_s_enregistrer_n_est_jamais_perdue_sans_qu_on_le_demande)
{
    identifie();
    EtatEleve& e = m_fenetre->session().eleve();
    e.seance_en_cours.append(QStringLiteral("\tAPPRENTISSAGE de 14:03:00 à 14:10:00: 12 répétitions"));
    // The history's folder has gone: nothing can be written.
    e.identite.chemin_historique = m_dossier.chemin(QStringLiteral("disparu/DUPONT_Jean.txt"));

    RepondeurBoites boites(QMessageBox::Cancel);
    EXPECT_FALSE(m_fenetre->changement_eleve());
    EXPECT_EQ(m_fenetre->session().eleve().identite.prenom, QStringLiteral("Jean"));
    EXPECT_EQ(m_fenetre->session().eleve().seance_en_cours.size(), 2); // header and activity, kept

    // Closing: "Annuler" keeps the program open; "Réessayer", once the folder is back, records the séance.
    EXPECT_FALSE(m_fenetre->close());
    int questions = 0;
    boites::installe_repondeur([&](boites::Boite& b) {
        if (b.titre == QStringLiteral("Séance non enregistrée") && ++questions == 1)
            m_dossier.cree(QStringLiteral("disparu"));
        return QMessageBox::Retry;
    });
    EXPECT_TRUE(m_fenetre->close());
    EXPECT_EQ(questions, 1);
    const auto lignes = lit_lignes(m_dossier.chemin(QStringLiteral("disparu/DUPONT_Jean.txt")));
    ASSERT_TRUE(lignes.has_value());
    EXPECT_EQ(lignes->size(), 2);
}
