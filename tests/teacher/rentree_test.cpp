#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "app/tident.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/ecole_ini.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "teacher/aide_console.h"
#include "teacher/tacces_prof.h"
#include "teacher/tprofesseur.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A school whose server share lies in the test folder, with no classes yet for 2024-2025.
class Rentree : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static const bool prete = (prepare_application(), true);
        Q_UNUSED(prete);
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("serveur/Tabrix")));
        FichierIni ini = configuration_ecole_test(m_dossier.chemin(QStringLiteral("serveur")));
        for (const QString& chemin : {local(), maitre()}) {
            ini.change_chemin(chemin);
            ASSERT_TRUE(ini.enregistre());
        }
    }
    void TearDown() override { fenetre.reset(); }

    QString local() const { return m_dossier.chemin(QStringLiteral("poste/Tabrix.ini")); }
    QString maitre() const { return m_dossier.chemin(QStringLiteral("serveur/Tabrix/Tabrix.ini")); }
    QString annee() const
    {
        return m_dossier.chemin(QStringLiteral("serveur/Tabrix/Eleves/Collège Test/2024-2025"));
    }

    // `ouvre` leads to a modal window of that kind, which `pilote` drives as soon as it is shown.
    template <typename Fenetre>
    static void pilote(const std::function<void(Fenetre&)>& pilote, const std::function<void()>& ouvre)
    {
        bool vue = false;
        QTimer attente;
        QObject::connect(&attente, &QTimer::timeout, &attente, [&] {
            auto* f = qobject_cast<Fenetre*>(QApplication::activeModalWidget());
            if (!f || !f->isVisible())
                return;
            attente.stop();
            vue = true;
            pilote(*f);
            if (f->isVisible()) {
                ADD_FAILURE() << "window still open";
                f->reject();
            }
        });
        attente.start(0);
        ouvre();
        ASSERT_TRUE(vue);
    }

    // Starts the program; the first modal window it opens is driven by `pilote`.
    template <typename Fenetre> void demarre(const std::function<void(Fenetre&)>& pilote_fenetre)
    {
        pilote<Fenetre>(pilote_fenetre, [this] {
            fenetre = ouvre_tabrix(m_dossier.chemin(QStringLiteral("poste")), horloge, plateforme);
            QCoreApplication::processEvents();
        });
    }

    DossierTest m_dossier;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
    std::unique_ptr<Tgeneral> fenetre;
};

} // namespace

TEST_F(Rentree, la_premiere_ouverture_de_l_annee_mene_aux_classes_enregistrees_puis_a_l_identification)
{
    demarre<TProfesseur>([this](TProfesseur& console) {
        for (int i = 0; i < 10 && boites.vues.isEmpty(); ++i)
            QCoreApplication::processEvents();
        ASSERT_EQ(boites.vues.size(), 1);
        EXPECT_EQ(boites.vues[0].titre, QStringLiteral("Nouvelle année scolaire"));
        EXPECT_EQ(boites.vues[0].texte,
            QStringLiteral("Vous devez effectuer la répartition\ndes classes pour l'année 2024-2025"));
        EXPECT_EQ(console.classeur()->currentIndex(), TProfesseur::Bahut);
        // The default levels are offered: two are kept, the second with a single class renamed.
        EXPECT_EQ(dans<QLineEdit>(&console, "edit1_4")->text(), QStringLiteral("troisième"));
        dans<QSpinBox>(&console, "SpinEdit_niveaux")->setValue(2);
        dans<QSpinBox>(&console, "spinedit2")->setValue(1);
        tape(dans(&console, "edit2_2"), QStringLiteral("5A"));
        QTest::mouseClick(dans<QPushButton>(&console, "Button_enregistrer_etablissement"), Qt::LeftButton);
        ASSERT_EQ(boites.vues.size(), 2);
        EXPECT_EQ(boites.vues[1].titre, QStringLiteral("ATTENTION!"));
        EXPECT_EQ(console.classeur()->currentIndex(), TProfesseur::Obj_niveaux);
        console.reject();
    });
    ASSERT_EQ(boites.vues.size(), 3);
    EXPECT_EQ(boites.vues[2].titre, QStringLiteral("Fermeture du programme"));
    EXPECT_FALSE(fenetre->isVisible());
    fenetre.reset();

    const QString cle = cles::niveaux_et_classes(QStringLiteral("2024-2025"));
    for (const QString& chemin : {local(), maitre()})
        EXPECT_EQ(FichierIni(chemin).lit_texte(cles::etablissement, cle),
            QStringLiteral("sixième<61,62>cinquième<5A>"))
            << chemin.toStdString();

    // The next start goes to the identification, which offers the new classes; their folders are made.
    demarre<Tident>([](Tident& id) {
        ASSERT_EQ(id.etat(), Tident::Etat::choix_classe);
        ASSERT_EQ(id.box(1)->count(), 2);
        EXPECT_EQ(id.box(1)->item(1)->text(), QStringLiteral("62"));
        ASSERT_EQ(id.box(2)->count(), 1);
        EXPECT_EQ(id.box(2)->item(0)->text(), QStringLiteral("5A"));
        id.reject();
    });
    for (const char* classe : {"61", "62", "5A"})
        EXPECT_TRUE(QFileInfo(annee() + QLatin1Char('/') + QLatin1String(classe)).isDir()) << classe;
    EXPECT_EQ(boites.vues.size(), 3) << boites.vues.last().texte.toStdString();
}

TEST_F(Rentree, le_menu_enseignant_demande_le_code_sauf_quand_l_acces_est_autorise_jusqu_a_la_fermeture)
{
    for (const QString& chemin : {local(), maitre()}) {
        FichierIni ini(chemin);
        ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
            QStringLiteral("6e<6A>"));
        ini.ecrit_texte(cles::codes, cles::code_professeur, QStringLiteral("prof"));
        ASSERT_TRUE(ini.enregistre());
    }
    demarre<Tident>([](Tident& id) { id.reject(); });
    const auto entre = [](const QString& code, bool jusqua_fermeture) {
        return [=](TAcces_prof& acces) {
            if (jusqua_fermeture)
                dans<QRadioButton>(&acces, "RadioButton1")->setChecked(true);
            QTest::keyClicks(dans(&acces, "Edit3"), code);
            QTest::keyClick(dans(&acces, "Edit3"), Qt::Key_Return);
        };
    };
    const auto ferme = [](TProfesseur& console) { console.reject(); };
    const auto ouvre = [this] { fenetre->Professeur1Click(); };

    // A wrong code shows "Code erroné" and leaves the console closed.
    pilote<TAcces_prof>(
        [&](TAcces_prof& acces) {
            entre(QStringLiteral("prog"), false)(acces);
            EXPECT_TRUE(dans(&acces, "Label8")->isVisible());
            acces.reject();
        },
        ouvre);
    // Asked again at every opening, until "Autoriser accès jusqu'à la fermeture du programme.".
    for (const bool jusqua_fermeture : {false, true}) {
        pilote<TProfesseur>(
            ferme, [&] { pilote<TAcces_prof>(entre(QStringLiteral("PROF"), jusqua_fermeture), ouvre); });
    }
    pilote<TProfesseur>(ferme, ouvre);
    EXPECT_TRUE(boites.vues.isEmpty()) << boites.vues.first().titre.toStdString();
}
