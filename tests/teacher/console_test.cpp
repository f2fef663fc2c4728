#include "seance/session.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/aide_console.h"
#include "teacher/cases_classes.h"
#include "teacher/regles_objectifs.h"
#include "teacher/tprofesseur.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The console of a home-mode machine whose Tabrix.ini holds `texte` (over the default file).
class Console : public ::testing::Test
{
protected:
    void prepare(const QString& texte)
    {
        FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        const FichierIni ajout = FichierIni::depuis_texte(texte);
        for (const QString& section : ajout.sections())
            for (const QString& ligne : ajout.lit_section(section))
                ini.ecrit_texte(section, ligne.section(u'=', 0, 0), ligne.section(u'=', 1));
        ini.change_chemin(chemin_ini());
        ASSERT_TRUE(ini.enregistre());
        session = std::make_unique<Session>(m_dossier.chemin(), horloge, messagerie, plateforme);
        session->initialise_session();
        console = std::make_unique<TProfesseur>(*session);
        console->show();
        QCoreApplication::processEvents();
    }
    QString chemin_ini() const { return m_dossier.chemin(QStringLiteral("Tabrix.ini")); }
    QString lit(const QString& section, const QString& cle) const
    {
        return FichierIni(chemin_ini()).lit_texte(section, cle);
    }
    QCheckBox* case_obj(int niveau, int table) const
    {
        return dans<QCheckBox>(console.get(), QStringLiteral("CheckBox_obj_%1_%2").arg(niveau).arg(table));
    }
    // Shown when its page is the current one.
    bool montree(const QWidget* w) const { return w->isVisibleTo(dans(console.get(), "Obj_niveaux")); }
    void clique(const char* nom) const
    {
        QTest::mouseClick(dans<QAbstractButton>(console.get(), nom), Qt::LeftButton);
    }

    DossierTest m_dossier;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    RepondeurBoites boites;
    std::unique_ptr<Session> session;
    std::unique_ptr<TProfesseur> console;
};

} // namespace

TEST_F(Console, ouverture_sur_la_structure_d_une_annee_passee_et_enregistrement_sous_l_annee_courante)
{
    prepare(QStringLiteral("[Etablissement]\nNom=\nNiveaux et classes 2022-2023=CM1<CM1-A,CM1-B>CM2<CM2>\n"
                           "Objectifs tables classiques par niveaux=CM1<table_2>CM2<>\n"));
    EXPECT_EQ(dans<QLineEdit>(console.get(), "Edit2")->text(), QStringLiteral("Collège de Valbrume"));
    EXPECT_EQ(
        dans<QLabel>(console.get(), "Label_annee_scol")->text(), QStringLiteral("Année scolaire 2024-2025:"));
    EXPECT_EQ(dans<QLineEdit>(console.get(), "edit3_1")->text(), QStringLiteral("CM1-B"));
    // Different levels: "non"; the level stored "<>" shows its boxes cleared.
    EXPECT_TRUE(dans<QRadioButton>(console.get(), "RadioButton46")->isChecked());
    EXPECT_TRUE(case_obj(1, 2)->isChecked());
    EXPECT_FALSE(case_obj(2, 2)->isChecked());

    // Characters a folder name cannot hold are refused as typed; a name of dots only, at saving.
    tape(dans(console.get(), "edit3_1"), QStringLiteral("6/B:"));
    EXPECT_EQ(dans<QLineEdit>(console.get(), "edit3_1")->text(), QStringLiteral("6B"));
    tape(dans(console.get(), "edit3_1"), QStringLiteral(".."));
    clique("Button_enregistrer_etablissement");
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("La classe « .. »")))
        << boites.vues[0].texte.toStdString();
    EXPECT_EQ(lit(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025"))),
        FichierIni::texte_absent);

    // Saved while "Tables étendues" is shown: that family goes back to "Carrés" only, the classic one stays.
    tape(dans(console.get(), "edit3_1"), QStringLiteral("CM1-C"));
    clique("RadioButton43");
    EXPECT_TRUE(montree(case_obj(1, 11)));
    clique("Button_enregistrer_etablissement");
    ASSERT_EQ(boites.vues.size(), 2);
    EXPECT_EQ(boites.vues[1].titre, QStringLiteral("ATTENTION!"));
    EXPECT_EQ(lit(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025"))),
        QStringLiteral("CM1<CM1-A,CM1-C>CM2<CM2>"));
    EXPECT_EQ(lit(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2022-2023"))),
        QStringLiteral("CM1<CM1-A,CM1-B>CM2<CM2>"));
    EXPECT_EQ(lit(cles::etablissement, cles::objectifs_etendus_niveaux),
        QStringLiteral("CM1<table_carres>CM2<table_carres>"));
    EXPECT_EQ(
        lit(cles::etablissement, cles::objectifs_classiques_niveaux), QStringLiteral("CM1<table_2>CM2<>"));
    EXPECT_EQ(console->classeur()->currentIndex(), TProfesseur::Obj_niveaux);
    // The class boxes of the statistics pages follow the new table.
    EXPECT_EQ(dans<QCheckBox>(console.get(), "CheckBox_el_1_2")->text(), QStringLiteral("CM1-C"));
    EXPECT_EQ(dans<QCheckBox>(console.get(), "CheckBox_2_1")->text(), QStringLiteral("CM2"));
    EXPECT_EQ(session->reglages().niveaux.size(), 2);
}

TEST_F(Console, objectifs_la_colonne_suit_avec_oui_un_niveau_sans_case_donne_des_chevrons_vides)
{
    prepare(QStringLiteral("[Etablissement]\nNiveaux et classes 2024-2025=6e<6A>5e<5A>4e<4A>\n"
                           "Objectifs tables etendues par niveaux=6e<table_12>\n"));
    EXPECT_TRUE(dans<QRadioButton>(console.get(), "RadioButton45")->isChecked());
    for (const int t : GrilleObjectifs::tables(Famille::classiques))
        QTest::mouseClick(case_obj(2, t), Qt::LeftButton);
    QTest::mouseClick(case_obj(2, 7), Qt::LeftButton);
    clique("RadioButton46");
    QTest::mouseClick(case_obj(3, 9), Qt::LeftButton);
    QTest::mouseClick(case_obj(1, 7), Qt::LeftButton);
    clique("Button_enregistrer_objectifs");
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("ATTENTION!"));
    EXPECT_EQ(lit(cles::etablissement, cles::objectifs_classiques_niveaux),
        QStringLiteral("6e<>5e<table_7>4e<table_7,table_9>"));
    EXPECT_EQ(lit(cles::etablissement, cles::objectifs_etendus_niveaux), QStringLiteral("6e<table_12>"));
}

TEST_F(Console,
    parametres_chemin_serveur_sans_barre_finale_dossier_reseau_sans_prefixe_formule_du_fichier_gardee)
{
    prepare(QStringLiteral(
        "[Codes]\nCode d'accès professeur=prof\n[Apprentissage par blocs]\nFormule récursive=1.2.1.3\n"
        "[Options d'apprentissage]\nOrdre rangement items=premier facteur\n"));
    console->classeur()->setCurrentIndex(TProfesseur::Parametres);
    auto* serveur = dans<QLineEdit>(console.get(), "Edit_serveur");
    EXPECT_EQ(dans<QLineEdit>(console.get(), "Edit_eleves_reseau")->text(), QStringLiteral("Tabrix\\Eleves"));
    EXPECT_EQ(dans<QLineEdit>(console.get(), "Edit5")->text(), QStringLiteral("prof"));
    tape(serveur, QStringLiteral("\\\\serveur\\ecole\\"));
    clique("Button_enregistrer_parametres");
    EXPECT_EQ(serveur->text(), QStringLiteral("\\\\serveur\\ecole"));
    EXPECT_EQ(lit(cles::dossiers, cles::chemin_serveur), QStringLiteral("\\\\serveur\\ecole"));
    EXPECT_EQ(
        lit(cles::dossiers, cles::dossier_eleves_reseau), QStringLiteral("{Chemin serveur}\\Tabrix\\Eleves"));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("ATTENTION!"));
    EXPECT_TRUE(dans<QRadioButton>(console.get(), "RadioButton_formule4")->isChecked());
    EXPECT_EQ(lit(cles::apprentissage_blocs, cles::formule), QStringLiteral("1.2.1.3"));
    EXPECT_EQ(lit(cles::options_apprentissage, cles::ordre_items), QStringLiteral("par tables"));

    // A newly typed formula that cannot build a plan is refused, and nothing is written.
    tape(dans(console.get(), "Edit_formule"), QStringLiteral("1.3"));
    tape(serveur, QStringLiteral("/autre"));
    clique("Button_enregistrer_parametres");
    ASSERT_EQ(boites.vues.size(), 2);
    EXPECT_EQ(boites.vues[1].titre, QStringLiteral("Paramètres"));
    EXPECT_EQ(lit(cles::dossiers, cles::chemin_serveur), QStringLiteral("\\\\serveur\\ecole"));
}

TEST_F(Console, renommer_l_etablissement_qui_a_des_eleves_demande_confirmation)
{
    prepare(QStringLiteral("[Etablissement]\nNom=Collège A\n"));
    ASSERT_TRUE(m_dossier.cree(QStringLiteral("Eleves/Collège A")));
    ASSERT_TRUE(ecrit_lignes(m_dossier.chemin(QStringLiteral("Eleves/Collège A/Dupont_Marie.txt")), {}));
    dans<QLineEdit>(console.get(), "Edit2")->setText(QStringLiteral("Collège B"));
    boites.reponses = {QMessageBox::Cancel};
    clique("Button_enregistrer_etablissement");
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.startsWith(
        QStringLiteral("Les historiques de 1 élève(s) sont dans le dossier « Collège A »")));
    EXPECT_EQ(lit(cles::etablissement, cles::nom), QStringLiteral("Collège A"));
    clique("Button_enregistrer_etablissement");
    EXPECT_EQ(lit(cles::etablissement, cles::nom), QStringLiteral("Collège B"));
}

// At the console's own size nothing is cut: the parameters need no scrolling, and every class box shows a
// name of 10 of the widest letters, levels wrapping onto a second row rather than leaving the page.
TEST_F(Console, les_pages_tiennent_dans_la_console_et_les_noms_de_classes_se_lisent_en_entier)
{
    prepare(QString());
    console->classeur()->setCurrentIndex(TProfesseur::Parametres);
    QCoreApplication::processEvents();
    auto* defile = dans(console.get(), "Parametres")->findChild<QScrollArea*>();
    ASSERT_NE(defile, nullptr);
    EXPECT_FALSE(defile->verticalScrollBar()->isVisible());
    EXPECT_FALSE(defile->horizontalScrollBar()->isVisible());

    QVector<Niveau> niveaux;
    for (const QString& nom :
        {QStringLiteral("CM2 Étoile"), QStringLiteral("WWWWWWWWWW"), QStringLiteral("MMMMMMMMMM"),
            QStringLiteral("6A"), QStringLiteral("5A"), QStringLiteral("4A"), QStringLiteral("3A")})
        niveaux.append({nom, {nom, QStringLiteral("ÉÉÉÉÉÉÉÉÉÉ")}});
    session->reglages().niveaux = niveaux;
    console->Actualise_CheckBox_classes();
    for (const char* prefixe : {"CheckBox_el_", "CheckBox_"}) {
        QVector<QRect> places;
        for (int i = 1; i <= niveaux.size(); ++i) {
            for (int j = 1; j <= 2; ++j) {
                auto* boite
                    = dans<QCheckBox>(console.get(), QStringLiteral("%1%2_%3").arg(prefixe).arg(i).arg(j));
                EXPECT_GE(boite->width(), boite->sizeHint().width()) << boite->text().toStdString();
                EXPECT_LE(boite->geometry().right(), CasesClasses::largeur_maximale);
                for (const QRect& autre : places)
                    EXPECT_FALSE(autre.intersects(boite->geometry())) << boite->objectName().toStdString();
                places.append(boite->geometry());
            }
        }
    }
}

TEST_F(Console, un_partage_non_monte_ne_recoit_rien_sans_confirmer_une_premiere_installation)
{
    // An empty folder stands for the mount point of a share that is not mounted.
    ASSERT_TRUE(m_dossier.cree(QStringLiteral("partage")));
    const QString partage = m_dossier.chemin(QStringLiteral("partage"));
    prepare(
        QStringLiteral("[General]\nMode=Ecole\n[Dossiers]\nChemin serveur=%1\n[Etablissement]\nNom=Collège "
                       "A\nNiveaux et classes 2024-2025=sixième<61>\n")
            .arg(partage));
    ASSERT_TRUE(session->mode_monoposte());
    console->classeur()->setCurrentIndex(TProfesseur::Parametres);
    tape(dans(console.get(), "Edit5"), QStringLiteral("abcd"));
    boites.reponses = {QMessageBox::No};
    clique("Button_enregistrer_parametres");
    ASSERT_EQ(boites.vues.size(), 3);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("Première installation"));
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("« %1 »").arg(partage)));
    EXPECT_TRUE(boites.vues[1].texte.contains(QStringLiteral("sur ce poste seulement")));
    EXPECT_EQ(boites.vues[2].titre, QStringLiteral("ATTENTION!"));
    EXPECT_EQ(lit(cles::codes, cles::code_professeur), QStringLiteral("abcd"));
    EXPECT_TRUE(QDir(partage).isEmpty());

    // The next start still works on this machine, and the pupils' work waits there for the server.
    Session suivante(m_dossier.chemin(), horloge, messagerie, plateforme);
    suivante.initialise_session();
    EXPECT_TRUE(suivante.mode_monoposte());
    EXPECT_EQ(suivante.reglages().dossier_eleves, m_dossier.chemin(QStringLiteral("Eleves")));

    boites.reponses = {QMessageBox::Yes};
    clique("Button_enregistrer_parametres");
    EXPECT_EQ(FichierIni(partage + QStringLiteral("/Tabrix/Tabrix.ini"))
                  .lit_texte(cles::codes, cles::code_professeur),
        QStringLiteral("abcd"));
}

TEST_F(Console, le_nom_de_l_etablissement_s_arrete_a_64_caracteres_tapes)
{
    prepare(QStringLiteral("[Etablissement]\nNom=Collège A\n"));
    auto* nom = dans<QLineEdit>(console.get(), "Edit2");
    tape(nom, QStringLiteral("Lycee ") + QStringLiteral("x").repeated(70));
    EXPECT_EQ(nom->text(), QStringLiteral("Lycee ") + QStringLiteral("x").repeated(58));
    clique("Button_enregistrer_etablissement");
    EXPECT_EQ(lit(cles::etablissement, cles::nom), nom->text());
}

// Qt does not mark the current tab for a screen reader: each page says its own name and what it holds, and
// the focus goes to its first control when the page changes, so that the reader announces the page.
TEST_F(Console, chaque_page_se_nomme_et_recoit_le_focus_quand_elle_s_ouvre)
{
    prepare(QString());
    QApplication::setActiveWindow(console.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(console.get()));
    QTabWidget* classeur = console->classeur();
    for (int i = 0; i < classeur->count(); ++i) {
        QWidget* page = classeur->widget(i);
        EXPECT_EQ(page->accessibleName(), classeur->tabText(i));
        EXPECT_FALSE(page->accessibleDescription().isEmpty()) << classeur->tabText(i).toStdString();
        classeur->setCurrentIndex(i == classeur->currentIndex() ? (i + 1) % classeur->count() : i);
        classeur->setCurrentIndex(i);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << classeur->tabText(i).toStdString();
        EXPECT_TRUE(page->isAncestorOf(focus))
            << classeur->tabText(i).toStdString() << " : " << focus->objectName().toStdString();
        // The first control: Shift+Tab from it leaves the page.
        QTest::keyClick(focus, Qt::Key_Backtab);
        QWidget* avant = QApplication::focusWidget();
        EXPECT_FALSE(avant && page->isAncestorOf(avant) && avant->isVisible())
            << classeur->tabText(i).toStdString() << " : " << avant->objectName().toStdString();
    }
}
