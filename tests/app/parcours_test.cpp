#include "app/graphique_jours_barre.h"
#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "app/tident.h"
#include "core/faits.h"
#include "epreuve/ttest.h"
#include "seance/identification.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "support/ecole_ini.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

// A pupil's whole journey through the real windows, as the program starts them, on a manual clock: the
// identification, the dashboard, a test, the history on disk, and a new start that finds him again.
class Parcours : public ::testing::Test
{
protected:
    // Once per process, as in the program: both suites share it.
    static void SetUpTestSuite()
    {
        static const bool prete = (prepare_application(), true);
        Q_UNUSED(prete);
    }

    void SetUp() override { ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste"))); }
    void TearDown() override { fenetre.reset(); }

    QString travail() const { return m_dossier.chemin(QStringLiteral("poste")); }
    QString chemin(const QString& relatif) const { return m_dossier.chemin(relatif); }

    // `ouvre` leads to the identification window, which `identifie` drives as soon as it is shown. A window
    // left open by a failed step is closed, so that nothing hangs.
    void identification(const std::function<void(Tident&)>& identifie, const std::function<void()>& ouvre)
    {
        bool vue = false;
        auto* attente = new QTimer(fenetre.get());
        QObject::connect(attente, &QTimer::timeout, attente, [&vue, attente, identifie] {
            auto* id = qobject_cast<Tident*>(QApplication::activeModalWidget());
            if (!id || !id->isVisible())
                return;
            attente->stop();
            vue = true;
            identifie(*id);
            if (id->isVisible()) {
                ADD_FAILURE() << "identification still open";
                id->reject();
            }
        });
        attente->start(0);
        ouvre();
        delete attente;
        ASSERT_TRUE(vue) << "no identification window";
    }

    // The program starts as a launch does; the identification is asked once the event loop runs, and its
    // own loop returns when it closes.
    void demarre(const std::function<void(Tident&)>& identifie)
    {
        fenetre = ouvre_tabrix(travail(), horloge, plateforme);
        identification(identifie, [] { QCoreApplication::processEvents(); });
    }

    // Registration of a pupil not in the list.
    static void inscrit(Tident& id, const QString& nom, const QString& prenom)
    {
        if (id.etat() == Tident::Etat::choix_nom)
            QTest::mouseClick(dans<QPushButton>(&id, "button_inscription"), Qt::LeftButton);
        ASSERT_EQ(id.etat(), Tident::Etat::inscription);
        QTest::keyClicks(dans(&id, "Edit_nom"), nom);
        QTest::keyClicks(dans(&id, "Edit_prenom"), prenom);
        QTest::mouseClick(dans<QPushButton>(&id, "Button_id"), Qt::LeftButton);
    }

    QAction* entree_de_menu(const QString& texte) const
    {
        for (QAction* a : fenetre->menuBar()->findChildren<QAction*>())
            if (a->text() == texte)
                return a;
        ADD_FAILURE() << texte.toStdString();
        return nullptr;
    }

    template <typename T = QWidget> static T* dans(const QObject* parent, const char* nom)
    {
        T* w = parent->findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    template <typename T = QWidget> T* controle(const char* nom) const { return dans<T>(fenetre.get(), nom); }
    bool montre(const char* nom) const { return controle(nom)->isVisibleTo(fenetre.get()); }

    // The test window: a top-level window of its own, made at the first test.
    static Ttest* fenetre_test()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<Ttest*>(w))
                return t;
        return nullptr;
    }

    QVector<GraphiqueJoursBarre*> barres() const
    {
        QVector<GraphiqueJoursBarre*> r;
        for (auto* b : fenetre->findChildren<GraphiqueJoursBarre*>())
            r.append(b);
        return r;
    }

    // The percentage labels above the bars.
    QStringList pourcentages() const
    {
        QStringList r;
        for (QLabel* l :
            fenetre->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^composant\\d+$"))))
            if (l->text().endsWith(QLatin1Char('%')))
                r.append(l->text());
        return r;
    }

    // Fires an armed timer as the event loop would.
    static void declenche(QObject* parent, const char* nom)
    {
        auto* t = parent->findChild<QTimer*>(QString::fromLatin1(nom));
        ASSERT_NE(t, nullptr) << nom;
        ASSERT_TRUE(t->isActive()) << nom;
        if (t->isSingleShot())
            t->stop();
        QMetaObject::invokeMethod(t, "timeout");
    }

    // The product asked, from the question label (" 7×9? ").
    static QString code_pose(Ttest& test)
    {
        const QString q = dans<QLabel>(&test, "Label_quest")->text().trimmed();
        const int x = int(q.indexOf(QStringLiteral("×")));
        return zeros_devant(q.left(x).toInt(), 2) + zeros_devant(q.mid(x + 1).chopped(1).toInt(), 2);
    }

    // Types the answer one second after the question, then lets the correction delay run.
    void repond(Ttest& test, const QString& reponse)
    {
        horloge.avance_ms(1000);
        QTest::keyClicks(dans(&test, "MaskEdit1"), reponse);
        horloge.avance_ms(300);
        declenche(&test, "affiche");
    }

    // "  Test" on the dashboard; a new pupil first goes through the "premier test" countdown.
    Ttest* ouvre_le_test(bool premier)
    {
        QTest::mouseClick(controle<QPushButton>("Button_Test"), Qt::LeftButton);
        Ttest* test = fenetre_test();
        EXPECT_NE(test, nullptr);
        if (!test)
            return nullptr;
        Tboite_message& boite = test->boite_message();
        if (premier) {
            EXPECT_TRUE(boite.isVisible());
            EXPECT_EQ(boite.windowTitle(), QStringLiteral("premier test"));
            auto* ok = dans<QPushButton>(&boite, "Button_OK");
            QTest::mouseClick(ok, Qt::LeftButton);
            EXPECT_EQ(boite.texte(), QStringLiteral("PRÊT?"));
            QTest::mouseClick(ok, Qt::LeftButton);
            for (int s = 0; s < 4; ++s)
                declenche(&boite, "Timer1");
        }
        EXPECT_FALSE(boite.isVisible());
        EXPECT_TRUE(test->isVisible());
        return test;
    }

    // Answers every question until the result panel: `reponse` gets the product, the question's rank from 1
    // and whether it is the second chance. Returns the number of questions asked; `boites_vues` counts the
    // "DEUXIÈME CHANCE!" boxes.
    int repond_a_tout(Ttest& test, const std::function<QString(const QString&, int, bool)>& reponse, int n,
        int* boites_vues = nullptr)
    {
        QWidget* resultat = dans(&test, "Panel3");
        Tboite_message& boite = test.boite_message();
        int questions = 0;
        while (!resultat->isVisible() && questions < 3 * n) {
            if (boite.isVisible()) {
                if (boites_vues)
                    ++*boites_vues;
                EXPECT_EQ(boite.windowTitle(), QStringLiteral("DEUXIÈME CHANCE!"));
                QTest::mouseClick(dans<QPushButton>(&boite, "Button_OK"), Qt::LeftButton);
                continue;
            }
            ++questions;
            const QString code = code_pose(test);
            repond(test, reponse(code, questions, questions > n));
        }
        EXPECT_TRUE(resultat->isVisible());
        return questions;
    }

    static QString juste(const QString& code, int = 0, bool = false) { return valeur_produit(code); }
    static QString errone(const QString& code) { return QString::number(valeur_produit(code).toInt() + 1); }

    // Lines of the pupil's history, as on disk.
    QStringList historique() const
    {
        return lit_lignes(chemin(QStringLiteral("poste/Eleves/Jean_Marie-Claire.txt")))
            .value_or(QStringList());
    }

    // The one séance of the history: its header and its test line.
    static void une_seance_avec_son_test(const QStringList& lignes, int nb_enregistrements)
    {
        ASSERT_EQ(lignes.size(), 2) << lignes.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(lignes[0].startsWith(QStringLiteral("Séance du Mardi 03/12/2024")))
            << lignes[0].toStdString();
        const QString& test = lignes[1];
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\tTEST de 14:\\d\\d:\\d\\d à 14:\\d\\d:\\d\\d $"))
                        .match(test.left(29))
                        .hasMatch())
            << test.left(29).toStdString();
        EXPECT_EQ(test.size(), 29 + 12 * nb_enregistrements);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^(P\\d{11})+$")).match(test.mid(29)).hasMatch());
    }

    // Dashboard of the registered pupil with one tested day at `pourcentage`.
    void un_jour_au_graphique(const QString& pourcentage)
    {
        EXPECT_TRUE(montre("Scrollbox1"));
        const auto b = barres();
        ASSERT_EQ(b.size(), 1);
        const int p = pourcentage.chopped(1).toInt();
        EXPECT_EQ(b[0]->height(), 2 * p + 1);
        EXPECT_EQ(b[0]->couleur(), QColor::fromRgb(couleur_bande(bande_score(p))));
        EXPECT_EQ(pourcentages(), QStringList {pourcentage});
    }

    void fixe_configuration(const QString& section, const QString& cle, const QString& valeur)
    {
        FichierIni ini(QDir(travail()).filePath(cles::fichier));
        ASSERT_TRUE(ini.existe());
        ini.ecrit_texte(section, cle, valeur);
        ASSERT_TRUE(ini.enregistre());
    }

    DossierTest m_dossier;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites {QMessageBox::Cancel};
    std::unique_ptr<Tgeneral> fenetre;
};

TEST_F(Parcours, a_la_maison_inscription_test_historique_et_nouveau_demarrage)
{
    // 1. First start in an empty folder: the default configuration, then registration.
    demarre([](Tident& id) { inscrit(id, QStringLiteral("  jean  "), QStringLiteral("MARIE-claire")); });
    EXPECT_TRUE(QFileInfo::exists(chemin(QStringLiteral("poste/Tabrix.ini"))));
    EXPECT_TRUE(QFileInfo::exists(chemin(QStringLiteral("poste/PREMIER DEMARRAGE.TXT"))));
    EXPECT_EQ(fenetre->windowTitle(), titres::maison);
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Jean Marie-Claire"));
    EXPECT_TRUE(montre("Button_Test"));
    EXPECT_FALSE(montre("Scrollbox1"));
    EXPECT_TRUE(barres().isEmpty());
    EXPECT_TRUE(boites.vues.isEmpty());

    // 2. A whole test of the classic tables with three wrong answers, two of them still wrong at the end.
    Ttest* test = ouvre_le_test(true);
    ASSERT_NE(test, nullptr);
    QStringList faux, corriges;
    int boites_vues = 0;
    const int questions = repond_a_tout(
        *test,
        [&](const QString& code, int rang, bool seconde) {
            if (seconde) {
                corriges.append(code);
                return corriges.size() == 1 ? juste(code) : errone(code);
            }
            if (rang > 3)
                return juste(code);
            faux.append(code);
            return errone(code);
        },
        64, &boites_vues);
    EXPECT_EQ(questions, 64 + 3);
    EXPECT_EQ(boites_vues, 1);
    EXPECT_EQ(corriges, faux);
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Marie-Claire Jean. test complet"));
    QTest::mouseClick(dans<QPushButton>(fenetre_test(), "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(fenetre_test()->isVisible());
    EXPECT_FALSE(montre("Button_Test"));

    // 3. Already on disk before any change of pupil; 62 right answers out of 64 give 96 %.
    const QStringList lignes = historique();
    une_seance_avec_son_test(lignes, 67);
    for (const QString& code : faux)
        EXPECT_TRUE(lignes.value(1).contains(QLatin1Char('P') + code)) << code.toStdString();
    un_jour_au_graphique(QStringLiteral("96%"));
    EXPECT_TRUE(boites.vues.isEmpty());
    const QStringList records
        = lit_lignes(chemin(QStringLiteral("poste/stats/liste_records.txt"))).value_or(QStringList());
    ASSERT_EQ(records.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^096\\d{3}Jean_Marie-Claire$")).match(records[0]).hasMatch())
        << records[0].toStdString();

    // Another pupil takes the seat: nothing of the first one is added, nothing of his shows.
    horloge.avance_ms(60 * 1000);
    identification([](Tident& id) { inscrit(id, QStringLiteral("martin"), QStringLiteral("paul")); },
        [this] { entree_de_menu(QStringLiteral("Changer élève"))->trigger(); });
    une_seance_avec_son_test(historique(), 67);
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Martin Paul"));
    EXPECT_TRUE(montre("Button_Test"));
    EXPECT_FALSE(montre("Scrollbox1"));
    EXPECT_TRUE(barres().isEmpty());

    // 4. Closing records the séance; a new start lists both pupils, and the first finds his chart again.
    fenetre->close();
    fenetre.reset();
    une_seance_avec_son_test(historique(), 67);
    horloge.avance_ms(10 * 60 * 1000);
    demarre([](Tident& id) {
        ASSERT_EQ(id.etat(), Tident::Etat::choix_nom);
        QListWidget* noms = dans<QListWidget>(&id, "ListBox1");
        ASSERT_EQ(noms->count(), 2);
        EXPECT_EQ(
            noms->item(0)->text(), QStringLiteral("Jean") + QChar(0xA0) + QStringLiteral("Marie-Claire"));
        EXPECT_EQ(noms->item(1)->text(), QStringLiteral("Martin") + QChar(0xA0) + QStringLiteral("Paul"));
        QTest::mouseClick(noms->viewport(), Qt::LeftButton, {}, noms->visualItemRect(noms->item(0)).center());
        QApplication::processEvents();
    });
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Jean Marie-Claire"));
    un_jour_au_graphique(QStringLiteral("96%"));
    fenetre->close();
    fenetre.reset();

    // By his code, then a second test the same day is discouraged, Cancel by default.
    fixe_configuration(cles::codes, cles::identification_par_code, QStringLiteral("oui"));
    demarre([](Tident& id) {
        ASSERT_EQ(id.etat(), Tident::Etat::saisie_code);
        QTest::keyClicks(dans(&id, "Edit_code"), code_de_nom(QStringLiteral("Jean_Marie-Claire")).toUpper());
    });
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Jean Marie-Claire"));
    un_jour_au_graphique(QStringLiteral("96%"));
    ASSERT_TRUE(boites.vues.isEmpty());
    QTest::mouseClick(controle<QPushButton>("Button_Test"), Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("UN SEUL test par jour"));
    EXPECT_EQ(boites.vues[0].defaut, QMessageBox::Cancel);
    EXPECT_TRUE(fenetre_test() == nullptr || !fenetre_test()->isVisible());
    fenetre->close();
    fenetre.reset();
    une_seance_avec_son_test(historique(), 67);
}

TEST_F(Parcours, changer_d_eleve_pendant_un_test_l_abandonne_sans_le_donner_au_suivant)
{
    demarre([](Tident& id) { inscrit(id, QStringLiteral("jean"), QStringLiteral("marie")); });
    Ttest* test = ouvre_le_test(true);
    ASSERT_NE(test, nullptr);
    for (int q = 0; q < 5; ++q)
        repond(*test, juste(code_pose(*test)));

    // The dashboard stays reachable behind the test window, which is not modal.
    identification([](Tident& id) { inscrit(id, QStringLiteral("martin"), QStringLiteral("paul")); },
        [this] { entree_de_menu(QStringLiteral("Changer élève"))->trigger(); });
    EXPECT_FALSE(test->isVisible());
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Martin Paul"));
    EXPECT_TRUE(montre("Button_Test"));
    EXPECT_TRUE(fenetre->session().eleve().seance_en_cours.isEmpty());
    EXPECT_TRUE(
        lit_lignes(chemin(QStringLiteral("poste/Eleves/Jean_Marie.txt"))).value_or(QStringList {}).isEmpty());

    // His own test starts from the first question, announced as his first.
    test = ouvre_le_test(true);
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Paul Martin. test complet"));
    EXPECT_EQ(repond_a_tout(*test, &Parcours::juste, 64), 64);
    fenetre->close();
    fenetre.reset();
    const QStringList lignes
        = lit_lignes(chemin(QStringLiteral("poste/Eleves/Martin_Paul.txt"))).value_or(QStringList());
    une_seance_avec_son_test(lignes, 64);
}

// A school whose server share lies in the test's folder: level "sixième" (classes 61 and 62) studies the
// table of 7.
class ParcoursEcole : public Parcours
{
protected:
    void SetUp() override
    {
        Parcours::SetUp();
        ASSERT_TRUE(QDir().mkpath(serveur() + QStringLiteral("/Tabrix")));
        FichierIni ini = configuration_ecole_test(serveur());
        ini.change_chemin(QDir(travail()).filePath(cles::fichier));
        ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
            QStringLiteral("sixième<61,62>"));
        ini.ecrit_texte(
            cles::etablissement, cles::objectifs_classiques_niveaux, QStringLiteral("sixième<table_7>"));
        ASSERT_TRUE(ini.enregistre());
    }

    QString serveur() const { return chemin(QStringLiteral("serveur")); }
    QString etablissement() const { return serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test"); }
    QString monoposte() const { return travail() + QStringLiteral("/Eleves/Collège Test"); }

    static void choisit_61(Tident& id)
    {
        ASSERT_EQ(id.etat(), Tident::Etat::choix_classe);
        QListWidget* classes = id.box(1);
        ASSERT_EQ(classes->count(), 2);
        ASSERT_EQ(classes->item(0)->text(), QStringLiteral("61"));
        QTest::mouseClick(
            classes->viewport(), Qt::LeftButton, {}, classes->visualItemRect(classes->item(0)).center());
        QApplication::processEvents();
    }

    // The pupil's lines in `dossier`.
    static QStringList lignes_de(const QString& dossier)
    {
        return lit_lignes(dossier + QStringLiteral("/Martin_Eve.txt")).value_or(QStringList());
    }
};

TEST_F(ParcoursEcole, un_eleve_de_61_retrouve_apres_redemarrage_puis_le_serveur_disparait)
{
    demarre([](Tident& id) {
        choisit_61(id);
        inscrit(id, QStringLiteral("martin"), QStringLiteral("eve"));
    });
    EXPECT_EQ(fenetre->windowTitle(), titres::ecole + QStringLiteral("Collège Test"));
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Martin Eve"));
    EXPECT_EQ(controle<QLabel>("label_classe")->text(), QStringLiteral("61"));
    EXPECT_EQ(controle<QLabel>("Label_tables")->text(), QStringLiteral("table de 7:"));
    EXPECT_FALSE(montre("Scrollbox1"));

    Ttest* test = ouvre_le_test(true);
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(repond_a_tout(*test, &Parcours::juste, 8), 8);
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Eve Martin. test partiel"));
    QTest::mouseClick(dans<QPushButton>(test, "BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(lignes_de(etablissement()).size(), 2);
    EXPECT_EQ(lignes_de(etablissement())[1].size(), 29 + 8 * 12);
    EXPECT_TRUE(QFileInfo::exists(etablissement() + QStringLiteral("/2024-2025/61/Martin_Eve.lnk")));
    un_jour_au_graphique(QStringLiteral("100%"));
    fenetre->close();
    fenetre.reset();
    EXPECT_TRUE(boites.vues.isEmpty());

    // A new start: the class lists him alone.
    horloge.avance_ms(5 * 60 * 1000);
    demarre([](Tident& id) {
        choisit_61(id);
        ASSERT_EQ(id.etat(), Tident::Etat::choix_nom);
        QTest::mouseClick(dans<QPushButton>(&id, "Button_oui"), Qt::LeftButton);
    });
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Martin Eve"));
    EXPECT_EQ(controle<QLabel>("label_classe")->text(), QStringLiteral("61"));
    un_jour_au_graphique(QStringLiteral("100%"));

    // The share goes away during the séance: the second test of the day lands on this machine, said once.
    ASSERT_TRUE(QDir(serveur()).removeRecursively());
    boites.reponses = {QMessageBox::Ok};
    test = ouvre_le_test(false);
    ASSERT_NE(test, nullptr);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("UN SEUL test par jour"));
    EXPECT_EQ(repond_a_tout(*test, &Parcours::juste, 8), 8);
    QTest::mouseClick(dans<QPushButton>(test, "BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 2);
    EXPECT_EQ(boites.vues[1].texte,
        QStringLiteral("Le serveur ne répond pas : ton travail est enregistré sur cet ordinateur et sera "
                       "recopié sur le serveur au prochain démarrage."));
    const QStringList repli = lignes_de(monoposte());
    ASSERT_EQ(repli.size(), 4) << repli.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(repli[2].startsWith(QStringLiteral("Séance du Mardi 03/12/2024")));
    EXPECT_TRUE(repli[3].startsWith(QStringLiteral("\tTEST de 14:")));
    EXPECT_TRUE(QFileInfo::exists(monoposte() + QStringLiteral("/2024-2025/61/Martin_Eve.lnk")));
    EXPECT_FALSE(QFileInfo::exists(serveur()));

    // Closing records the same séance there again, without a second notice nor a second copy.
    fenetre->close();
    fenetre.reset();
    EXPECT_EQ(boites.vues.size(), 2) << boites.vues.last().texte.toStdString();
    const QStringList ici = lignes_de(monoposte());
    EXPECT_EQ(ici.size(), 4);

    // The share is back at the next start: the séances join it, the copy here goes to the trash.
    ASSERT_TRUE(QDir().mkpath(serveur() + QStringLiteral("/Tabrix")));
    horloge.avance_ms(5 * 60 * 1000);
    demarre([](Tident& id) {
        choisit_61(id);
        ASSERT_EQ(id.etat(), Tident::Etat::choix_nom);
        QTest::mouseClick(dans<QPushButton>(&id, "Button_oui"), Qt::LeftButton);
    });
    ASSERT_EQ(boites.vues.size(), 3);
    EXPECT_EQ(boites.vues[2].titre, QStringLiteral("Pour information:"));
    EXPECT_EQ(fenetre->windowTitle(), titres::ecole + QStringLiteral("Collège Test"));
    EXPECT_EQ(lignes_de(etablissement()), ici);
    EXPECT_FALSE(QFileInfo::exists(monoposte() + QStringLiteral("/Martin_Eve.txt")));
    EXPECT_TRUE(QFileInfo::exists(etablissement() + QStringLiteral("/2024-2025/61/Martin_Eve.lnk")));
    un_jour_au_graphique(QStringLiteral("100%"));
}

TEST_F(ParcoursEcole, un_serveur_injoignable_au_demarrage_fait_travailler_ici_puis_tout_le_rejoint)
{
    plateforme.injoignables.insert(serveur());
    demarre([](Tident& id) {
        choisit_61(id);
        inscrit(id, QStringLiteral("martin"), QStringLiteral("eve"));
    });
    EXPECT_EQ(fenetre->windowTitle(), titres::ecole + QStringLiteral("Collège Test") + titres::monoposte);
    EXPECT_EQ(controle<QLabel>("label_classe")->text(), QStringLiteral("61"));
    Ttest* test = ouvre_le_test(true);
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(repond_a_tout(*test, &Parcours::juste, 8), 8);
    QTest::mouseClick(dans<QPushButton>(test, "BitBtn1"), Qt::LeftButton);
    EXPECT_TRUE(boites.vues.isEmpty()) << "working here was said in the title";
    ASSERT_EQ(lignes_de(monoposte()).size(), 2);
    EXPECT_TRUE(QFileInfo::exists(monoposte() + QStringLiteral("/2024-2025/61/Martin_Eve.lnk")));
    EXPECT_FALSE(QFileInfo::exists(etablissement() + QStringLiteral("/Martin_Eve.txt")));
    fenetre->close();
    fenetre.reset();
    const QStringList ici = lignes_de(monoposte());

    plateforme.injoignables.clear();
    horloge.avance_ms(5 * 60 * 1000);
    demarre([](Tident& id) {
        choisit_61(id);
        ASSERT_EQ(id.etat(), Tident::Etat::choix_nom);
        QTest::mouseClick(dans<QPushButton>(&id, "Button_oui"), Qt::LeftButton);
    });
    EXPECT_EQ(fenetre->windowTitle(), titres::ecole + QStringLiteral("Collège Test"));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("Pour information:"));
    EXPECT_EQ(lignes_de(etablissement()), ici);
    EXPECT_FALSE(QFileInfo::exists(monoposte() + QStringLiteral("/Martin_Eve.txt")));
    EXPECT_TRUE(QFileInfo::exists(etablissement() + QStringLiteral("/2024-2025/61/Martin_Eve.lnk")));
    EXPECT_EQ(controle<QLabel>("label_nom")->text(), QStringLiteral("Martin Eve"));
    un_jour_au_graphique(QStringLiteral("100%"));
}

} // namespace
