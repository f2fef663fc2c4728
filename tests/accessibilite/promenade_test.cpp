#include "app/ouverture.h"
#include "app/tgeneral.h"
#include "app/tident.h"
#include "core/horloge.h"
#include "epreuve/ttest.h"
#include "regles_accessibilite.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/ecole_ini.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
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
        ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
            QStringLiteral("sixième<61,62>"));
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
            for (const QString& f : fautes_accessibilite(w)) {
                if (!m_fautes.contains(f))
                    m_fautes.append(f + QStringLiteral("   [") + moment + u']');
            }
            m_fenetres_vues.insert(QString::fromLatin1(w->metaObject()->className()));
        }
    }

    // Runs `ouvre`; a modal window it opens is judged then closed, and so is each window it leaves open.
    void ouvre_et_juge(const QString& moment, const std::function<void()>& ouvre)
    {
        QSet<QWidget*> vues;
        QTimer veille;
        QObject::connect(&veille, &QTimer::timeout, [&] {
            QWidget* modale = QApplication::activeModalWidget();
            if (!modale || !modale->isVisible() || vues.contains(modale))
                return;
            vues.insert(modale);
            juge_les_fenetres(moment);
            ferme(modale);
        });
        veille.start(0);
        ouvre();
        QCoreApplication::processEvents();
        veille.stop();

        juge_les_fenetres(moment);
        for (QWidget* w : fenetres_visibles()) {
            if (w != m_fenetre.get())
                ferme(w);
        }
    }

    static void ferme(QWidget* w)
    {
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
    QSet<QString> m_fenetres_vues;
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
    }

    for (const char* classe : {"Tident", "Tgeneral", "Tboite_message", "Ttest", "Tapprent", "Tperfect",
             "TAcces_prof", "TProfesseur", "Treglages", "Apropos", "FenetreAide"})
        EXPECT_TRUE(m_fenetres_vues.contains(QString::fromLatin1(classe))) << classe << " jamais ouverte";
    EXPECT_TRUE(m_fautes.isEmpty()) << m_fautes.size() << " fautes :\n" << m_fautes.join(u'\n').toStdString();
}

} // namespace
