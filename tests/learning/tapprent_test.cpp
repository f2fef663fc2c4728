#include "app/tgeneral.h"
#include "core/faits.h"
#include "learning/tapprent.h"
#include "perfecting/tperfect.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

// The dashboard of a home installation on a manual clock, a pupil without history, and the learning window
// it opens. Timers never run: a test fires Timer1 by invoking its timeout once the window has armed it.
class FenetreApprentissage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        tableau = std::make_unique<Tgeneral>(m_dossier.chemin(QStringLiteral("poste")), horloge, plateforme);
        tableau->session().initialise_session();
        tableau->applique_session();
        IdentiteEleve id;
        id.nom = QStringLiteral("DUPONT");
        id.prenom = QStringLiteral("Jean");
        id.nom_fichier = QStringLiteral("DUPONT_Jean");
        id.chemin_historique = historique();
        tableau->initialise_session_eleve(id);
    }
    void TearDown() override
    {
        if (Tapprent* f = fenetre())
            f->close();
        tableau.reset();
    }

    QString historique() const { return m_dossier.chemin(QStringLiteral("poste/DUPONT_Jean.txt")); }

    // Opens the learning of these products as the dashboard's menu does.
    Tapprent& ouvre(const QStringList& produits)
    {
        Session& s = tableau->session();
        s.eleve().produits_a_memoriser = produits;
        s.reglages().temps_reponse_acceptable = 4;
        s.reglages().nombre_items_par_bloc = 3;
        s.reglages().formule_recursive = QStringLiteral("1.1.2.1.3");
        tableau->apprentissage1Click();
        QCoreApplication::processEvents(); // the first-use greeting
        Tapprent* f = fenetre();
        EXPECT_NE(f, nullptr);
        return *f;
    }

    static Tapprent* fenetre()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<Tapprent*>(w); t && t->isVisible())
                return t;
        return nullptr;
    }
    template <typename W = QWidget> W* controle(const char* nom) const
    {
        W* w = fenetre()->findChild<W*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    bool montre(const char* nom) const { return controle(nom)->isVisible(); }
    void clic(const char* nom) const { QTest::mouseClick(controle<QPushButton>(nom), Qt::LeftButton); }

    // The product asked, from the question label ("7×8 = ").
    int produit_pose() const
    {
        const QString q = controle<QLabel>("label_quest1")->text();
        const qsizetype x = q.indexOf(QStringLiteral("×"));
        return q.left(x).toInt() * q.mid(x + 1).section(QLatin1Char(' '), 0, 0).toInt();
    }

    // Types an answer `delai_ms` after the question; a right one lets Timer1 run, a wrong one is confirmed.
    void repond(bool juste, int delai_ms = 1200)
    {
        horloge.avance_ms(delai_ms);
        const QString valeur = QString::number(produit_pose());
        const QString texte = juste ? valeur : QString::number(valeur.toInt() + 1).right(valeur.size());
        QTest::keyClicks(controle("MaskEdit1"), texte);
        if (juste) {
            auto* timer = fenetre()->findChild<QTimer*>(QStringLiteral("Timer1"));
            ASSERT_TRUE(timer->isActive());
            horloge.avance_ms(timer->interval());
            timer->stop();
            QMetaObject::invokeMethod(timer, "timeout");
        } else {
            ASSERT_TRUE(montre("ButtonOK"));
            clic("ButtonOK");
        }
    }

    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
    std::unique_ptr<Tgeneral> tableau;

private:
    DossierTest m_dossier;
};

TEST_F(FenetreApprentissage, huit_produits_appris_de_l_invite_a_bravo_et_la_ligne_est_dans_l_historique)
{
    Tapprent& f = ouvre(produits_des_tables(QStringLiteral("table_7")));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Jean DUPONT. Apprentissage des tables."));
    EXPECT_TRUE(plateforme.num && plateforme.maj) << "locks forced on while the drill is shown";
    ASSERT_FALSE(boites.vues.isEmpty());
    EXPECT_EQ(boites.vues.first().titre, QStringLiteral("Apprentissage"));
    EXPECT_EQ(boites.vues.first().texte,
        QStringLiteral("Tu vas apprendre en répondant aux questions.\nTOUT doit passer au VERT"));
    EXPECT_EQ(controle<QLabel>("label_message")->text(), QStringLiteral("On commence quand tu veux."));
    EXPECT_EQ(controle<QLabel>("label_pret")->text(), QStringLiteral("PRÊT?"));
    EXPECT_EQ(controle<QPushButton>("BitBtn3")->text(), QStringLiteral("OUI"));
    EXPECT_TRUE(montre("reponse0")) << "a new block shows its answers while the prompt waits";
    EXPECT_EQ(controle<QLabel>("reponse0")->text(), QStringLiteral(" 14 "));
    EXPECT_EQ(controle<QLabel>("panel3")->palette().color(QPalette::Window), QColor(128, 128, 128));
    clic("BitBtn3");
    EXPECT_FALSE(montre("reponse0"));
    EXPECT_EQ(controle<QLabel>("label_quest1")->text(), QStringLiteral("7×2 = "));
    EXPECT_EQ(controle<QLineEdit>("MaskEdit1")->maxLength(), 2);

    // The first block is 7×2, 7×3, 7×4: the second answer is wrong once.
    repond(true);
    repond(false);
    EXPECT_EQ(controle<QLabel>("label_quest1")->text(), QStringLiteral("7×2 = "));
    repond(true);
    repond(true);
    repond(true);
    EXPECT_EQ(controle<QLabel>("label_message")->text(), QStringLiteral("1 erreur"));
    EXPECT_TRUE(montre("icone_1"));

    int garde = 0;
    while (!montre("label_fin_niv1_a") && ++garde < 500) {
        if (montre("BitBtn3"))
            clic("BitBtn3");
        else
            repond(true);
    }
    ASSERT_TRUE(montre("label_fin_niv1_a"));
    EXPECT_EQ(controle<QLabel>("label_fin_niv1_a")->text(), QStringLiteral("Bravo!"));
    EXPECT_EQ(controle<QLabel>("label_fin_niv1_b")->text(), QStringLiteral("Première étape terminée."));
    EXPECT_FALSE(montre("MaskEdit1"));
    EXPECT_EQ(controle<QLabel>("panel7")->palette().color(QPalette::Window), QColor(128, 255, 0));

    const int reponses = f.moteur().nombre_reponses();
    QSignalSpy suite(&f, &Tapprent::etape_suivante);
    clic("BitBtn2");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(suite.count(), 1);
    auto* perfect = tableau->findChild<Tperfect*>();
    ASSERT_NE(perfect, nullptr) << "perfecting comes next";
    EXPECT_TRUE(perfect->isVisible());
    EXPECT_TRUE(perfect->windowTitle().endsWith(QStringLiteral("(niveau 'facile')")));
    perfect->close();
    EXPECT_FALSE(plateforme.num || plateforme.maj) << "locks back to their launch states";
    const QStringList lignes = lit_lignes(historique()).value_or(QStringList {});
    ASSERT_FALSE(lignes.isEmpty()) << "written through before any change of pupil";
    EXPECT_EQ(lignes.last(),
        QStringLiteral("\tAPPRENTISSAGE de 14:02:10 à %1: %2 répétitions")
            .arg(horloge.date_heure().time().toString(QStringLiteral("hh:mm:ss")))
            .arg(reponses));
}

TEST_F(FenetreApprentissage, plus_vite_s_affiche_avant_que_le_delai_ne_reparte)
{
    ouvre(produits_des_tables(QStringLiteral("table_7")).mid(0, 2));
    boites.vues.clear();
    int garde = 0;
    while (boites.vues.isEmpty() && ++garde < 30) {
        if (montre("BitBtn3"))
            clic("BitBtn3");
        else
            repond(true, 5000);
    }
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues.first().titre, QStringLiteral("PLUS VITE !!!"));
    EXPECT_EQ(boites.vues.first().texte, QStringLiteral("Il faut répondre plus VITE.\npour passer au VERT"));
    horloge.avance_ms(9000);
    QTest::keyClicks(controle("MaskEdit1"), QString::number(produit_pose()));
    EXPECT_EQ(controle<QLabel>("label_commentaire")->text(), QStringLiteral("PLUS VITE !!!"));
    EXPECT_FALSE(montre("Button_je_passe")) << "hidden while the delay runs";
}

TEST_F(FenetreApprentissage, une_etape_de_18_items_a_des_lignes_basses_sans_feux_ni_jauges)
{
    Tapprent& f = ouvre(produits_des_tables(QStringLiteral("table_6,table_7,table_8")).mid(0, 18));
    EXPECT_EQ(f.moteur().plan().nombre_items_etape(), 3);
    EXPECT_NE(f.findChild<QLabel*>(QStringLiteral("feu_0")), nullptr);
    // Reaching the last step, the review of all 18 items.
    int garde = 0;
    while (f.moteur().plan().etape_courante() + 1 < f.moteur().plan().plan().size() && ++garde < 2000) {
        if (montre("BitBtn3"))
            clic("BitBtn3");
        else
            repond(true);
    }
    ASSERT_EQ(f.moteur().plan().nombre_items_etape(), 18);
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("feu_0")), nullptr);
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("batons_0")), nullptr);
    EXPECT_EQ(controle<QLabel>("question0")->height(), 600 / 18 - 1);
    EXPECT_EQ(controle<QLabel>("question0")->font().pointSize(), 5 * (600 / 18 - 1) / 8);
    EXPECT_FALSE(montre("reponse0")) << "a review step hides the answers";
}

TEST_F(FenetreApprentissage, fermer_en_pleine_etape_garde_la_ligne_et_la_seance)
{
    tableau->session().eleve().seance_en_cours.append(
        QStringLiteral("\tTEST de 14:00:00 à 14:01:00 P07080120056"));
    ouvre(produits_des_tables(QStringLiteral("table_7")));
    QTest::keyClick(fenetre(), Qt::Key_Return); // the keyboard alone answers the prompt
    repond(true);
    QTest::keyClick(fenetre(), Qt::Key_Return); // "je ne sais pas"
    EXPECT_FALSE(montre("label_rep1")) << "nothing typed, no \"Erreur!\"";
    EXPECT_EQ(controle<QLabel>("label_rep2")->text(), QStringLiteral("7×3 = 21"));
    QTest::keyClick(fenetre(), Qt::Key_Return); // "OK" under the correction
    EXPECT_EQ(controle<QLabel>("label_quest1")->text(), QStringLiteral("7×2 = "));
    tableau->apprentissage1Click();
    EXPECT_EQ(fenetre()->moteur().nombre_reponses(), 2) << "a second opening does not start over";
    fenetre()->close();
    const QStringList& seance = tableau->session().eleve().seance_en_cours;
    ASSERT_GE(seance.size(), 2);
    EXPECT_TRUE(seance.at(seance.size() - 2).startsWith(QStringLiteral("\tTEST de")));
    EXPECT_TRUE(seance.last().endsWith(QStringLiteral(": 2 répétitions")));
    EXPECT_TRUE(lit_lignes(historique()).value_or(QStringList {}).contains(seance.last()));
}

TEST_F(FenetreApprentissage, l_accueil_va_a_l_eleve_nouveau_meme_apres_son_premier_test_enregistre)
{
    // A new pupil's first test is written through at once: his history exists, he is still new today.
    tableau->session().ajoute_activite(QStringLiteral("\tTEST de 14:00:00 à 14:01:00 P07080120056"));
    ASSERT_TRUE(QFileInfo::exists(historique()));
    boites.vues.clear();
    ouvre(produits_des_tables(QStringLiteral("table_7")));
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues.first().titre, QStringLiteral("Apprentissage"));
    EXPECT_EQ(controle<QLabel>("label_message")->text(), QStringLiteral("On commence quand tu veux."));
    fenetre()->close();

    // Identified again with that history, he is no longer new: the prompt alone.
    IdentiteEleve id = tableau->session().eleve().identite;
    tableau->initialise_session_eleve(id);
    boites.vues.clear();
    ouvre(produits_des_tables(QStringLiteral("table_7")));
    EXPECT_TRUE(boites.vues.isEmpty());
    EXPECT_TRUE(montre("BitBtn3"));
}

} // namespace
