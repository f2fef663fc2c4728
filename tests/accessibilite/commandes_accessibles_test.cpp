#include "app/graphique_jours_barre.h"
#include "app/tgeneral.h"
#include "app/tident.h"
#include "core/faits.h"
#include "core/horloge.h"
#include "epreuve/ttest.h"
#include "regles_accessibilite.h"
#include "seance/identification_ecole.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"
#include "teacher/page_objectifs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

// Readable failures.
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

// What a screen reader, a dictation tool or a keyboard alone does with the dashboard, the registration and
// the test, through the accessibility interfaces a desktop bus forwards.
class CommandesAccessibles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        m_fenetre
            = std::make_unique<Tgeneral>(m_dossier.chemin(QStringLiteral("poste")), m_horloge, m_plateforme);
        m_fenetre->session().initialise_session();
        m_fenetre->applique_session();
        IdentiteEleve id;
        id.nom = QStringLiteral("Dupont-Martin");
        id.prenom = QStringLiteral("Élodie");
        id.nom_fichier = id.nom + QLatin1Char('_') + id.prenom;
        id.chemin_historique
            = m_dossier.chemin(QStringLiteral("poste/") + id.nom_fichier + QStringLiteral(".txt"));
        m_fenetre->initialise_session_eleve(id);
        // Not a first test: no "premier test" countdown before the window.
        m_fenetre->session().eleve().nouvel_eleve = false;
    }

    void TearDown() override
    {
        if (Ttest* t = fenetre_test())
            t->hide();
        m_fenetre.reset();
    }

    template <typename T = QWidget> T* controle(QObject* dans, const QString& nom) const
    {
        T* w = dans->findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom.toStdString();
        return w;
    }

    static void bascule(QWidget* bouton)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(bouton);
        ASSERT_TRUE(i && i->actionInterface());
        i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }

    static Ttest* fenetre_test()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<Ttest*>(w))
                return t;
        return nullptr;
    }

    Ttest* ouvre_le_test()
    {
        QTest::mouseClick(
            controle<QPushButton>(m_fenetre.get(), QStringLiteral("Button_Test")), Qt::LeftButton);
        Ttest* t = fenetre_test();
        EXPECT_TRUE(t && t->isVisible());
        return t;
    }

    // The accessible names met from `depart` on, one Tab after the other, until the focus comes back.
    static QStringList tour_de_tabulation(QWidget* depart)
    {
        QStringList noms;
        depart->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 80; ++i) {
            QWidget* w = QApplication::focusWidget();
            if (!w || (i > 0 && w == depart))
                break;
            noms.append(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
            QTest::keyClick(w, Qt::Key_Tab);
        }
        return noms;
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge;
    PlateformeFactice m_plateforme;
    RepondeurBoites m_boites;
    std::unique_ptr<Tgeneral> m_fenetre;
};

TEST_F(CommandesAccessibles, les_tables_relachees_par_le_lecteur_d_ecran_sont_celles_du_test)
{
    EXPECT_EQ(m_fenetre->session().eleve().produits_etudies.size(), 64);
    for (int n = 3; n <= 9; ++n)
        bascule(controle(m_fenetre.get(), QStringLiteral("SpeedButton%1").arg(n)));
    for (int n = 3; n <= 9; ++n)
        EXPECT_FALSE(
            controle<QToolButton>(m_fenetre.get(), QStringLiteral("SpeedButton%1").arg(n))->isChecked());
    EXPECT_EQ(m_fenetre->session().eleve().produits_etudies, produits_des_tables(QStringLiteral("table_2")));
    Ttest* test = ouvre_le_test();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Élodie Dupont-Martin. test partiel"));
    test->hide();

    // Releasing the last one leaves the table of 2, as a click does.
    bascule(controle(m_fenetre.get(), QStringLiteral("SpeedButton2")));
    EXPECT_TRUE(controle<QToolButton>(m_fenetre.get(), QStringLiteral("SpeedButton2"))->isChecked());
    EXPECT_EQ(m_fenetre->session().eleve().produits_etudies.size(), 8);

    // The exclusive pairs follow too: the extended tables, the gaps.
    bascule(controle(m_fenetre.get(), QStringLiteral("SpeedButton_12_19")));
    EXPECT_TRUE(controle(m_fenetre.get(), QStringLiteral("Panel_12_19"))->isVisibleTo(m_fenetre.get()));
    EXPECT_EQ(
        m_fenetre->session().eleve().produits_etudies, produits_des_tables(QStringLiteral("table_carres")));
    bascule(controle(m_fenetre.get(), QStringLiteral("SpeedButton_trous")));
    EXPECT_FALSE(m_fenetre->session().eleve().memorisation.tables_entieres);
}

TEST_F(CommandesAccessibles, presser_le_choix_deja_enfonce_le_refait)
{
    // 10 products wanted in whole tables of 8: pressing "Etudier tables entières" again rounds up to 16.
    ReglageMemorisation& m = m_fenetre->session().eleve().memorisation;
    ASSERT_TRUE(m.tables_entieres);
    m.nombre_voulu = 10;
    QTest::mouseClick(controle(m_fenetre.get(), QStringLiteral("SpeedButton_tables")), Qt::LeftButton);
    EXPECT_TRUE(controle<QToolButton>(m_fenetre.get(), QStringLiteral("SpeedButton_tables"))->isChecked());
    EXPECT_EQ(m.nombre_voulu, 16);
    EXPECT_EQ(m.nombre_tables, 2);
}

TEST_F(CommandesAccessibles, tab_atteint_chaque_commande_du_tableau_de_bord)
{
    m_fenetre->show();
    m_fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_fenetre.get()));
    const QStringList noms = tour_de_tabulation(controle(m_fenetre.get(), QStringLiteral("Button_Test")));
    for (const char* attendu : {"Changer élève", "Test", "Entrainement", "Perfectionnement: niveau 3",
             "Réglages", "Tables classiques", "Tables étendues", "Table des 2", "Table des 9",
             "Etudier tables entières", "Etudier trous seulement", "Plus de produits", "Moins de produits"})
        EXPECT_TRUE(noms.contains(QString::fromUtf8(attendu)))
            << attendu << " : " << noms.join(u'|').toStdString();
    // Pressing one of an exclusive pair keeps the other in the Tab chain.
    QTest::keyClick(controle(m_fenetre.get(), QStringLiteral("SpeedButton_trous")), Qt::Key_Space);
    EXPECT_TRUE(tour_de_tabulation(controle(m_fenetre.get(), QStringLiteral("Button_Test")))
                    .contains(QStringLiteral("Etudier tables entières")));
}

TEST_F(CommandesAccessibles, des_noms_dictes_sont_filtres_et_ouvrent_l_inscription)
{
    EcoleTest maison(false);
    Tident id(maison.reglages, m_horloge, nullptr, [] {});
    id.show();
    ASSERT_EQ(id.etat(), Tident::Etat::inscription);
    auto* nom = controle<QLineEdit>(&id, QStringLiteral("Edit_nom"));
    auto* prenom = controle<QLineEdit>(&id, QStringLiteral("Edit_prenom"));
    auto* ok = controle<QPushButton>(&id, QStringLiteral("Button_id"));
    auto dicte = [](QLineEdit* champ, const QString& texte) {
        QAccessibleEditableTextInterface* t
            = QAccessible::queryAccessibleInterface(champ)->editableTextInterface();
        ASSERT_NE(t, nullptr);
        t->replaceText(0, int(champ->text().size()), texte);
    };
    dicte(nom, QStringLiteral("../../../../evil"));
    dicte(prenom, QStringLiteral("x/.."));
    EXPECT_EQ(nom->text(), QStringLiteral("Evil"));
    EXPECT_EQ(prenom->text(), QStringLiteral("X"));
    EXPECT_FALSE(ok->isEnabled());
    dicte(prenom, QStringLiteral("éloïse"));
    EXPECT_EQ(prenom->text(), QStringLiteral("Éloïse"));
    EXPECT_TRUE(ok->isEnabled());

    // With both names valid, Tab leads from the first name to "OK"; Shift+Tab goes back to the family name.
    id.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&id));
    prenom->setFocus(Qt::TabFocusReason);
    QTest::keyClick(prenom, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ok);
    prenom->setFocus(Qt::TabFocusReason);
    QTest::keyClick(prenom, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), nom);

    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_FALSE(id.isVisible());
    EXPECT_EQ(id.identite().nom_fichier, QStringLiteral("Evil_Éloïse"));
}

// One question of the test answered on the French top row, key by key, as a lock state makes each key type.
struct EtatVerrous
{
    const char* nom;
    QString (*texte)(int chiffre); // what the digit's key types in that state
    bool maj;
};

QString texte_minuscule(int chiffre)
{
    return QStringLiteral("à&é\"'(-è_ç").mid(chiffre, 1);
}
QString texte_verr_maj_linux(int chiffre)
{
    return QStringLiteral("À&É\"'(-È_Ç").mid(chiffre, 1);
}
QString texte_chiffre(int chiffre)
{
    return QString::number(chiffre);
}

constexpr int touches_rangee[10]
    = {Qt::Key_Agrave, Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl, Qt::Key_Apostrophe,
        Qt::Key_ParenLeft, Qt::Key_Minus, Qt::Key_Egrave, Qt::Key_Underscore, Qt::Key_Ccedilla};

TEST_F(CommandesAccessibles, la_rangee_du_haut_francaise_repond_juste_dans_le_test_sous_chaque_verrou)
{
    const EtatVerrous etats[] = {
        {"verrous éteints", &texte_minuscule, false},
        {"verr. maj. sous Linux", &texte_verr_maj_linux, false},
        {"verr. maj. sous Windows", &texte_chiffre, false},
        {"majuscule", &texte_chiffre, true},
    };
    // Only the table of 3: eight questions, two per lock state.
    for (int n = 2; n <= 9; ++n) {
        if (n != 3)
            bascule(controle(m_fenetre.get(), QStringLiteral("SpeedButton%1").arg(n)));
    }
    Ttest* test = ouvre_le_test();
    ASSERT_NE(test, nullptr);
    for (int q = 0; q < 8; ++q) {
        const EtatVerrous& etat = etats[q / 2];
        auto* question = controle<QLabel>(test, QStringLiteral("Label_quest"));
        const QString texte = question->text().trimmed(); // "3×7?"
        const QString produit = QString::number(texte.section(QStringLiteral("×"), 0, 0).toInt()
            * texte.section(QStringLiteral("×"), 1).chopped(1).toInt());
        QWidget* champ = controle(test, QStringLiteral("MaskEdit1"));
        m_horloge.avance_ms(1000);
        for (QChar c : produit) {
            const int chiffre = c.digitValue();
            QKeyEvent appui(QEvent::KeyPress, etat.maj ? Qt::Key_0 + chiffre : touches_rangee[chiffre],
                etat.maj ? Qt::ShiftModifier : Qt::NoModifier, etat.texte(chiffre));
            QApplication::sendEvent(champ, &appui);
        }
        ASSERT_EQ(qobject_cast<QLineEdit*>(champ)->text(), produit) << etat.nom << " " << texte.toStdString();
        auto* correction = controle<QTimer>(test, QStringLiteral("affiche"));
        correction->stop();
        QMetaObject::invokeMethod(correction, "timeout");
    }
    auto* resultat = controle(test, QStringLiteral("Panel3"));
    ASSERT_TRUE(resultat->isVisible());
    EXPECT_EQ(controle<QLabel>(test, QStringLiteral("label_pourcent"))->text(), QStringLiteral("100%"));
    // The result chart says in words what it shows.
    const QString description
        = QAccessible::queryAccessibleInterface(controle(test, QStringLiteral("Image2")))
              ->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(
        QStringLiteral("8 réponses OK, 0 réponse trop lente, 0 réponse fausse ou absente")))
        << description.toStdString();
    EXPECT_EQ(fautes_accessibilite(test), QStringList());

    // Back on the dashboard, the day's bar tells the same in words, and so does the picture its press shows.
    test->close();
    m_fenetre->show();
    const auto barres = m_fenetre->findChildren<GraphiqueJoursBarre*>();
    ASSERT_EQ(barres.size(), 1);
    EXPECT_EQ(barres[0]->accessibleDescription(), description);
    QTest::mousePress(barres[0], Qt::LeftButton);
    EXPECT_EQ(controle(m_fenetre.get(), QStringLiteral("Image1"))->accessibleDescription(), description);
    QTest::mouseRelease(barres[0], Qt::LeftButton);
    // The same from the keyboard: Space held on the bar shows the picture.
    QWidget* image = controle(m_fenetre.get(), QStringLiteral("Image1"));
    QTest::keyPress(barres[0], Qt::Key_Space);
    EXPECT_TRUE(image->isVisible());
    QTest::keyRelease(barres[0], Qt::Key_Space);
    EXPECT_FALSE(image->isVisible());
    EXPECT_TRUE(barres[0]->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(fautes_accessibilite(m_fenetre.get()), QStringList());
}

} // namespace

TEST(ObjectifsAccessibles, une_case_cochee_par_le_lecteur_d_ecran_entre_dans_les_objectifs_enregistres)
{
    PageObjectifs page;
    page.Redimensionne_objectifs({QStringLiteral("CP"), QStringLiteral("CE1")});
    auto* case_7 = page.findChild<QCheckBox*>(QStringLiteral("CheckBox_obj_1_7"));
    ASSERT_NE(case_7, nullptr);
    const bool avant = case_7->isChecked();
    QAccessible::queryAccessibleInterface(case_7)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_NE(case_7->isChecked(), avant);
    // The same objectives for every level: the whole column follows.
    for (const LigneObjectifs& l : page.grille().lignes())
        EXPECT_EQ(l.coches[7], !avant);
    EXPECT_EQ(page.valeur().contains(QStringLiteral("table_7")), !avant) << page.valeur().toStdString();
}
