#include "app/tgeneral.h"
#include "core/faits.h"
#include "perfecting/tperfect.h"
#include "seance/session.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "ui/compteur_score.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Marie Dupont at home, table 7 studied, the real perfecting window on a manual clock. Timers never run: a
// test fires one by invoking its timeout once the window has armed it.
class BancTperfect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session = std::make_unique<Session>(m_dossier.chemin(), horloge, messages, plateforme);
        Reglages& r = session->reglages();
        r.temps_reponse_initial = 4;
        r.temps_reponse_final = 4;
        r.dossier_programme = m_dossier.chemin() + QLatin1Char('/');
        r.dossier_eleves = m_dossier.chemin();
        EtatEleve& e = session->eleve();
        e.identite.nom = QStringLiteral("Dupont");
        e.identite.prenom = QStringLiteral("Marie");
        e.identite.nom_fichier = QStringLiteral("Dupont_Marie");
        e.identite.chemin_historique = m_dossier.chemin(QStringLiteral("Dupont_Marie.txt"));
        e.produits_etudies = produits_des_tables(QStringLiteral("table_7"));
        fenetre = std::make_unique<Tperfect>(*session, horloge, 7);
    }

    template <typename W = QWidget> W* trouve(const QString& nom) const
    {
        W* w = fenetre->findChild<W*>(nom);
        EXPECT_NE(w, nullptr) << nom.toStdString();
        return w;
    }
    QLineEdit* champ(int i) const { return trouve<QLineEdit>(QStringLiteral("MaskEdit%1").arg(i)); }
    QLabel* etiquette(const char* nom) const { return trouve<QLabel>(QString::fromLatin1(nom)); }
    QPushButton* bouton(const char* nom) const { return trouve<QPushButton>(QString::fromLatin1(nom)); }

    void declenche(const char* nom)
    {
        QTimer* t = trouve<QTimer>(QString::fromLatin1(nom));
        ASSERT_TRUE(t && t->isActive()) << nom;
        if (t->isSingleShot())
            t->stop();
        QMetaObject::invokeMethod(t, "timeout");
    }

    // Types the expected factors in the fields left to fill (or `tapees`), then presses "OK".
    void repond(const QStringList& tapees = {})
    {
        horloge.avance_ms(2500);
        const QVector<Paire>& attendues = fenetre->moteur().attendues();
        for (int i = 1; i <= 2 * attendues.size(); ++i) {
            if (champ(i)->isReadOnly())
                continue;
            const Paire& p = attendues[(i - 1) / 2];
            QTest::keyClicks(champ(i), tapees.isEmpty() ? (i % 2 ? p.a : p.b) : tapees.value(i - 1));
        }
        QTest::mouseClick(bouton("Button_OK"), Qt::LeftButton);
    }

    QStringList lignes_perfectionnement() const
    {
        return lit_lignes(m_dossier.chemin(QStringLiteral("Dupont_Marie.txt")))
            .value_or(QStringList())
            .filter(QStringLiteral("PERFECTIONNEMENT"));
    }

    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
    std::unique_ptr<Session> session;
    std::unique_ptr<Tperfect> fenetre;

private:
    DossierTest m_dossier;
};

} // namespace

TEST_F(BancTperfect, facile_jusqu_a_bravo_puis_etape_suivante_et_la_ligne_du_niveau_en_cours)
{
    fenetre->demarre(NiveauPerfectionnement::facile);
    EXPECT_EQ(fenetre->windowTitle(),
        QStringLiteral("Marie Dupont. Perfectionnement: les tables inversées (niveau 'facile')"));
    EXPECT_TRUE(plateforme.num && plateforme.maj);
    EXPECT_EQ(fenetre->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^label\\d+$"))).size(), 8);
    EXPECT_FALSE(etiquette("label_temps1")->isVisible());
    for (int q = 1; q <= 10; ++q) {
        const int n = fenetre->moteur().entree_courante();
        ASSERT_EQ(etiquette("label_quest1")->text(), fenetre->moteur().libelle_produit());
        // The frame stands on the label of the value asked.
        const QLabel* l = etiquette(qPrintable(QStringLiteral("label%1").arg(n)));
        EXPECT_TRUE(trouve(QStringLiteral("ShapeEx1"))->geometry().contains(l->geometry().center()));
        EXPECT_NE(champ(1)->isReadOnly(), champ(2)->isReadOnly());
        repond();
        if (q < 10) {
            EXPECT_EQ(etiquette("label_erreurs")->text(), QStringLiteral("OUI!"));
            declenche("Timer_affichage");
        }
    }
    EXPECT_EQ(etiquette("label_erreurs")->text(), QStringLiteral("BRAVO!"));
    EXPECT_FALSE(bouton("Button_OK")->isVisible() || champ(1)->isVisible());
    auto* compteur = trouve<CompteurScore>(QStringLiteral("Image1"));
    EXPECT_TRUE(compteur->banderole_active());
    declenche("Timer1");
    EXPECT_EQ(compteur->decalage(), 3);

    // "Etape suivante" has the focus: Enter goes on.
    bouton("BitBtn2")->setFocus();
    QTest::keyClick(fenetre.get(), Qt::Key_Return);
    EXPECT_TRUE(fenetre->windowTitle().endsWith(QStringLiteral("(niveau 'pas facile')")));
    EXPECT_FALSE(trouve<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(compteur->score(), 0);
    EXPECT_FALSE(bouton("BitBtn2")->isVisible());

    // A wrong answer: the expected factors below the fields, red where wrong, "OK" to go on.
    repond({QStringLiteral("8"), fenetre->moteur().attendues()[0].b});
    EXPECT_EQ(etiquette("label_rep1")->text(), fenetre->moteur().attendues()[0].a);
    EXPECT_EQ(etiquette("label_rep1")->palette().color(QPalette::WindowText), QColor(230, 0, 0));
    EXPECT_EQ(etiquette("label_rep2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(bouton("Button_OK"), Qt::LeftButton);
    EXPECT_FALSE(etiquette("label_rep1")->isVisible());
    EXPECT_EQ(champ(1)->text(), QString());
    EXPECT_TRUE(lignes_perfectionnement().isEmpty());

    horloge.avance_ms(60 * 1000);
    fenetre->close();
    EXPECT_FALSE(plateforme.num);
    const QStringList lignes = lignes_perfectionnement();
    ASSERT_EQ(lignes.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\tPERFECTIONNEMENT de 14:02:\\d\\d à 14:03:\\d\\d: pas facile$"))
            .match(lignes[0])
            .hasMatch())
        << lignes[0].toStdString();
    EXPECT_TRUE(boites.vues.isEmpty());
}

TEST_F(BancTperfect, au_niveau_3_le_temps_et_les_refus_de_saisie)
{
    session->eleve().produits_etudies = produits_des_tables(QStringLiteral("table_4,table_6"));
    fenetre->demarre(NiveauPerfectionnement::pas_facile_du_tout);
    const int paires = fenetre->moteur().paires();
    EXPECT_TRUE(etiquette("label_temps1")->isVisible());
    EXPECT_EQ(etiquette("label_temps2")->text(), QStringLiteral("%1 s").arg(10 * paires));
    EXPECT_EQ(trouve<QTimer>(QStringLiteral("Timer_chrono"))->interval(), 10000 * paires);

    QTest::keyClicks(champ(1), QStringLiteral("1"));
    EXPECT_EQ(champ(1)->text(), QString());
    QTest::mouseClick(bouton("Button_OK"), Qt::LeftButton);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QString());
    EXPECT_EQ(boites.vues[0].texte, QStringLiteral("Réponse incomplète!"));

    declenche("Timer_chrono");
    EXPECT_EQ(etiquette("label_erreurs")->text(), QStringLiteral("trop long !"));
    EXPECT_TRUE(champ(1)->isReadOnly());
    QTest::keyClick(fenetre.get(), Qt::Key_Return);
    EXPECT_EQ(boites.vues.size(), 1);
    declenche("Timer_affichage");
    EXPECT_FALSE(champ(1)->isReadOnly());
}

TEST(PerfectionnementTableau, les_entrees_du_tableau_de_bord_ouvrent_leur_niveau)
{
    DossierTest dossier;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
    Tgeneral tableau(dossier.chemin(), horloge, plateforme);
    tableau.session().initialise_session();
    tableau.session().reglages().apprentissage_obligatoire = true;
    tableau.applique_session();
    IdentiteEleve id;
    id.nom = QStringLiteral("DUPONT");
    id.prenom = QStringLiteral("Jean");
    id.nom_fichier = QStringLiteral("DUPONT_Jean");
    id.chemin_historique = dossier.chemin(QStringLiteral("DUPONT_Jean.txt"));
    tableau.initialise_session_eleve(id);

    // Learning first: the menu entries are closed, the tool buttons stay open.
    for (QAction* a : tableau.menuBar()->findChildren<QAction*>()) {
        if (a->text().startsWith(QLatin1String("Perfectionnement"))) {
            EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
        }
    }
    const QList<QAction*> outils = tableau.findChild<QToolBar*>()->actions();
    auto niveau2 = std::find_if(outils.begin(), outils.end(),
        [](QAction* a) { return a->text() == QLatin1String("Perfectionnement: niveau 2"); });
    ASSERT_NE(niveau2, outils.end());
    (*niveau2)->trigger();
    auto* perfect = tableau.findChild<Tperfect*>();
    ASSERT_NE(perfect, nullptr);
    EXPECT_TRUE(perfect->isVisible());
    EXPECT_EQ(perfect->moteur().niveau(), NiveauPerfectionnement::pas_facile);
    perfect->close();

    // What the test's and the learning's "Etape suivante" call.
    tableau.perfectionnementClick(QStringLiteral("facile"));
    EXPECT_TRUE(perfect->isVisible());
    EXPECT_EQ(perfect->moteur().niveau(), NiveauPerfectionnement::facile);
    perfect->close();
    EXPECT_TRUE(boites.vues.isEmpty());
}
