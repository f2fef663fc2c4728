#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "app/tident.h"
#include "core/horloge.h"
#include "epreuve/ttest.h"
#include "regles_accessibilite.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/ecole_generee.h"
#include "support/ecole_ini.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The whole program as a pupil and a teacher of a school meet it: every window it opens from the dashboard
// (menus and toolbar), in the states a first séance goes through, is held to the accessibility rules. A
// window added later is found the same way, through the action that opens it.
class Promenade : public ::testing::Test
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
        ASSERT_TRUE(QDir().mkpath(m_dossier.chemin(QStringLiteral("serveur/Tabrix"))));
        FichierIni ini = configuration_ecole_test(m_dossier.chemin(QStringLiteral("serveur")));
        ini.change_chemin(QDir(travail()).filePath(cles::fichier));
        // Pupils with tests in class C01, so that the statistics windows have something to show.
        EcoleGeneree ecole;
        ecole.eleves = 2;
        ecole.classes = 1;
        ecole.seances = 2;
        ecole.etablissement = QStringLiteral("Collège Test");
        ASSERT_TRUE(ecole.ecrit(m_dossier.chemin(QStringLiteral("serveur/Tabrix/Eleves"))));
        ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
            QStringLiteral("sixième<C01,62>"));
        ini.ecrit_texte(
            cles::etablissement, cles::objectifs_classiques_niveaux, QStringLiteral("sixième<table_7>"));
        ini.ecrit_texte(cles::codes, cles::code_professeur, QStringLiteral("prof"));
        ini.ecrit_texte(cles::codes, cles::identification_par_code, QStringLiteral("oui"));
        ASSERT_TRUE(ini.enregistre());
    }

    void TearDown() override
    {
        for (QWidget* w : fenetres_visibles()) {
            if (w != m_fenetre.get())
                w->hide();
        }
        m_fenetre.reset();
    }

    QString travail() const { return m_dossier.chemin(QStringLiteral("poste")); }

    // Every visible window, once per state: the faults are gathered, the test fails once at the end.
    void juge_les_fenetres(const QString& moment)
    {
        for (QWidget* w : fenetres_visibles()) {
            for (const QString& f : fautes_accessibilite(w) + fautes_clavier(w)) {
                if (!m_fautes_vues.contains(f)) {
                    m_fautes_vues.insert(f);
                    m_fautes.append(f + QStringLiteral("   [") + moment + u']');
                }
            }
            m_fenetres_vues.insert(QString::fromLatin1(w->metaObject()->className()));
        }
    }

    // Runs `ouvre`; each modal window it opens, and each one behind the buttons `boutons_a_presser` names,
    // is judged then closed, and so is each window it leaves open.
    void ouvre_et_juge(const QString& moment, const std::function<void()>& ouvre)
    {
        QTimer veille;
        QObject::connect(&veille, &QTimer::timeout, [&] { veille_les_modales(moment); });
        veille.start(0);
        ouvre();
        // Windows opened without blocking (open()) are still being visited.
        for (int garde = 0; garde < 500 && QApplication::activeModalWidget(); ++garde)
            QCoreApplication::processEvents();
        veille.stop();
        m_visites.clear();

        juge_les_fenetres(moment);
        for (QWidget* w : fenetres_visibles()) {
            if (w != m_fenetre.get())
                ferme(w);
        }
    }

    // The modal window of the moment: judged once per title (a timed box changes its own), then its buttons
    // pressed one after the other, each once the window it opened is closed; then it is closed.
    void veille_les_modales(const QString& moment)
    {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale || !modale->isVisible())
            return;
        const QString classe = QString::fromLatin1(modale->metaObject()->className());
        const QString cle = QString::number(quintptr(modale)) + modale->windowTitle();
        if (!m_modales_vues.contains(cle)) {
            m_modales_vues.insert(cle);
            juge_les_fenetres(moment);
            if (classe == QLatin1String("Tboite_message"))
                m_boites_vues.insert(modale->windowTitle());
            m_visites[modale] = {boutons_a_presser().value(classe), false};
        }
        Visite& v = m_visites[modale];
        if (v.en_cours)
            return;
        while (!v.restants.isEmpty()) {
            auto* b = modale->findChild<QAbstractButton*>(v.restants.takeFirst());
            if (b && b->isEnabled()) {
                v.en_cours = true;
                // Outside this handler: Qt runs no timer again while its handler runs, and the window behind
                // the button may block in its own event loop.
                QTimer::singleShot(0, modale, [this, modale, b] {
                    b->click();
                    m_visites[modale].en_cours = false;
                });
                return;
            }
        }
        m_visites.remove(modale);
        m_modales_vues.remove(cle); // the same window may come again in another state
        ferme(modale);
    }

    static QHash<QString, QStringList> boutons_a_presser()
    {
        return {
            {QStringLiteral("TProfesseur"), {QStringLiteral("Button_stats"), QStringLiteral("Button1")}},
            {QStringLiteral("TStats"), {QStringLiteral("Button4"), QStringLiteral("Button2")}},
            {QStringLiteral("Tstats_el"),
                {QStringLiteral("Button_enregistrer"), QStringLiteral("Button_imprimer")}},
        };
    }

    // The first question answered wrongly, every other one runs out of time: "Trop long!" each time, the
    // second chance after the last one, then the result panel.
    void laisse_passer_le_temps()
    {
        Ttest* test = nullptr;
        for (QWidget* w : fenetres_visibles()) {
            if (auto* t = qobject_cast<Ttest*>(w))
                test = t;
        }
        ASSERT_NE(test, nullptr);
        auto* chrono = test->findChild<QTimer*>(QStringLiteral("chrono"));
        ASSERT_NE(chrono, nullptr);
        bool premiere = true;
        for (int garde = 0; garde < 200 && test->moteur().phase() != MoteurTest::Phase::fini; ++garde) {
            QCoreApplication::processEvents(); // the box on screen is judged and closed
            if (test->boite_message().isVisible() || !chrono->isActive())
                continue;
            if (premiere) {
                // One wrong answer, so that the last time-out opens the second chance.
                premiere = false;
                QTest::keyClicks(
                    test->findChild<QWidget*>(QStringLiteral("MaskEdit1")), QStringLiteral("99"));
                m_horloge.avance_ms(300);
                if (auto* affiche = test->findChild<QTimer*>(QStringLiteral("affiche"));
                    affiche && affiche->isActive())
                    QMetaObject::invokeMethod(affiche, "timeout");
                continue;
            }
            m_horloge.avance_ms(120000);
            QMetaObject::invokeMethod(chrono, "timeout");
        }
        EXPECT_EQ(test->moteur().phase(), MoteurTest::Phase::fini);
    }

    static void ferme(QWidget* w)
    {
        // A timed box of the test closes only through its button, which moves the test on; the first-test
        // countdown would take seconds: it is hidden instead.
        auto* boite = qobject_cast<Tboite_message*>(w);
        if (boite && boite->windowTitle() != QLatin1String("premier test")) {
            boite->button_OKClick();
            return;
        }
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
        if (w->isVisible())
            w->hide();
    }

    // Every action of the dashboard's menus and toolbar, once per caption.
    QList<QAction*> actions_du_tableau() const
    {
        QList<QAction*> r;
        QSet<QString> vues;
        QList<QAction*> toutes = m_fenetre->menuBar()->findChildren<QAction*>();
        for (QToolBar* barre : m_fenetre->findChildren<QToolBar*>())
            toutes += barre->actions();
        for (QAction* a : toutes) {
            if (a->isSeparator() || a->menu() || a->text().isEmpty() || !a->isEnabled() || !a->isVisible())
                continue;
            if (!vues.contains(a->text())) {
                vues.insert(a->text());
                r.append(a);
            }
        }
        return r;
    }

    // School start: class 61, the code entry, then registration and the code shown.
    void identifie_en_jugeant(Tident& id)
    {
        juge_les_fenetres(QStringLiteral("choix de la classe"));
        QListWidget* classes = id.box(1);
        ASSERT_GE(classes->count(), 1);
        QTest::mouseClick(
            classes->viewport(), Qt::LeftButton, {}, classes->visualItemRect(classes->item(0)).center());
        QApplication::processEvents();
        ASSERT_EQ(id.etat(), Tident::Etat::saisie_code);
        juge_les_fenetres(QStringLiteral("code"));
        QTest::mouseClick(id.findChild<QPushButton*>(QStringLiteral("button_inscription")), Qt::LeftButton);
        ASSERT_EQ(id.etat(), Tident::Etat::inscription);
        QTest::keyClicks(id.findChild<QLineEdit*>(QStringLiteral("Edit_nom")), QStringLiteral("martin"));
        QTest::keyClicks(id.findChild<QLineEdit*>(QStringLiteral("Edit_prenom")), QStringLiteral("eve"));
        juge_les_fenetres(QStringLiteral("inscription"));
        QTest::mouseClick(id.findChild<QPushButton*>(QStringLiteral("Button_id")), Qt::LeftButton);
        juge_les_fenetres(QStringLiteral("code affiché"));
        QTest::mouseClick(id.findChild<QPushButton*>(QStringLiteral("Button_code")), Qt::LeftButton);
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge;
    PlateformeFactice m_plateforme;
    RepondeurBoites m_boites {QMessageBox::Cancel};
    std::unique_ptr<Tgeneral> m_fenetre;
    QStringList m_fautes;
    QSet<QString> m_fautes_vues; // each fault once, at the first moment it is met
    QSet<QString> m_fenetres_vues;
    QSet<QString> m_boites_vues; // titles of the timed boxes judged
    struct Visite
    {
        QStringList restants; // buttons still to press
        bool en_cours = false; // one is pressed: the window it opened is on screen
    };
    QHash<QWidget*, Visite> m_visites;
    QSet<QString> m_modales_vues;
};

TEST_F(Promenade, chaque_fenetre_du_programme_se_lit_et_se_parcourt_au_clavier)
{
    bool identifie = false;
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        auto* id = qobject_cast<Tident*>(QApplication::activeModalWidget());
        if (!id || !id->isVisible() || identifie)
            return;
        identifie = true;
        identifie_en_jugeant(*id);
        if (id->isVisible())
            id->reject();
    });
    attente.start(0);
    m_fenetre = ouvre_tabrix(travail(), m_horloge, m_plateforme);
    QCoreApplication::processEvents();
    attente.stop();
    ASSERT_TRUE(identifie);
    juge_les_fenetres(QStringLiteral("tableau de bord"));
    QTest::mouseClick(m_fenetre->findChild<QPushButton*>(QStringLiteral("Button_records")), Qt::LeftButton);
    juge_les_fenetres(QStringLiteral("records affichés"));

    for (QAction* a : actions_du_tableau()) {
        if (a->text() == QStringLiteral("Changer élève"))
            continue; // its window, the identification, was judged above in each of its states
        ouvre_et_juge(a->text(), [a] { a->trigger(); });
    }

    // Behind the first notices: the test once the "premier test" box is past, the console once no code is
    // asked.
    m_fenetre->session().eleve().nouvel_eleve = false;
    m_fenetre->session().reglages().code_prof_requis = false;
    for (QAction* a : actions_du_tableau()) {
        if (a->text() == QLatin1String("Test") || a->text() == QLatin1String("Enseignant"))
            ouvre_et_juge(a->text() + QStringLiteral(" (2)"), [a] { a->trigger(); });
        if (a->text() == QLatin1String("Test"))
            ouvre_et_juge(QStringLiteral("Test, temps dépassés"), [this, a] {
                a->trigger();
                laisse_passer_le_temps();
            });
    }

    for (const char* classe : {"Tident", "Tgeneral", "Tboite_message", "Ttest", "Tapprent", "Tperfect",
             "TAcces_prof", "TProfesseur", "Treglages", "Apropos", "FenetreAide", "TStats", "Tstats_el",
             "QFileDialog", "QPrintDialog"})
        EXPECT_TRUE(m_fenetres_vues.contains(QString::fromLatin1(classe))) << classe << " jamais ouverte";
    for (const char* titre : {"premier test", "Dépassement du temps de réponse", "DEUXIÈME CHANCE!"})
        EXPECT_TRUE(m_boites_vues.contains(QString::fromUtf8(titre))) << titre << " jamais ouverte";
    EXPECT_TRUE(m_fautes.isEmpty()) << m_fautes.size() << " fautes :\n" << m_fautes.join(u'\n').toStdString();
}

} // namespace
