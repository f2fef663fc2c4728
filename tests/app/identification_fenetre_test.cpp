#include "app/tident.h"
#include "seance/identification.h"
#include "seance/identification_ecole.h"
#include "support/gui/repondeur.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QChar nbsp(0xA0);

class FenetreIdentification : public ::testing::Test
{
protected:
    template <typename T = QWidget> T* w(const char* nom)
    {
        T* trouve = m_fenetre->findChild<T*>(QLatin1String(nom));
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }
    QListWidget* liste(const char* nom) { return w<QListWidget>(nom); }
    QString texte(const char* nom) { return w<QLabel>(nom)->text(); }
    bool visible(const char* nom) { return w(nom)->isVisible(); }

    Tident& ouvre()
    {
        m_fenetre
            = std::make_unique<Tident>(ecole.reglages, horloge, nullptr, [this] { ++verrous_retablis; });
        m_fenetre->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_fenetre.get()));
        return *m_fenetre;
    }

    void clique(QListWidget* b, int ligne)
    {
        ASSERT_NE(b, nullptr);
        ASSERT_LT(ligne, b->count());
        const QRect r = b->visualItemRect(b->item(ligne));
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    void clique(const char* bouton) { QTest::mouseClick(w<QPushButton>(bouton), Qt::LeftButton); }

    void choisit_classe(const QString& classe)
    {
        for (int i = 1; i <= 8; ++i) {
            QListWidget* b = m_fenetre->box(i);
            const auto items = b->findItems(classe, Qt::MatchExactly);
            if (b->isVisible() && !items.isEmpty()) {
                clique(b, b->row(items.first()));
                return;
            }
        }
        if (classe == QStringLiteral("aucune")) {
            clique(liste("ListBox_autre"), 0);
            return;
        }
        FAIL() << classe.toStdString();
    }

    // Typed key by key; QTest::keyClicks knows only ASCII, so accented letters go as text events.
    static void tape(QWidget* champ, const QString& texte)
    {
        for (QChar c : texte) {
            if (c.unicode() < 128) {
                QTest::keyClick(champ, c.toLatin1());
            } else {
                QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(champ, &appui);
                QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(champ, &relache);
            }
        }
    }

    QStringList items(QListWidget* b)
    {
        QStringList r;
        for (int i = 0; i < b->count(); ++i)
            r.append(b->item(i)->text());
        return r;
    }

    // Every shown control lies inside the window.
    void tout_est_dans_la_fenetre()
    {
        for (QWidget* c : m_fenetre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (c->isVisible()) {
                EXPECT_TRUE(m_fenetre->rect().contains(c->geometry())) << c->objectName().toStdString();
            }
        }
    }

    EcoleTest ecole;
    HorlogeManuelle horloge;
    int verrous_retablis = 0;
    std::unique_ptr<Tident> m_fenetre;
};

} // namespace

TEST_F(FenetreIdentification, les_classes_de_chaque_niveau_dans_une_colonne_et_aucune_a_part)
{
    Tident& f = ouvre();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Identification"));
    EXPECT_EQ(verrous_retablis, 1);
    EXPECT_EQ(f.etat(), Tident::Etat::choix_classe);
    EXPECT_EQ(texte("label_classe"), QStringLiteral("Clique sur ta classe:"));
    EXPECT_EQ(items(liste("ListBox1")), QStringList {QStringLiteral("CP")});
    EXPECT_EQ(items(liste("ListBox2")), (QStringList {QStringLiteral("CM1-A"), QStringLiteral("CM1-B")}));
    EXPECT_FALSE(liste("ListBox4")->isVisible());
    EXPECT_EQ(items(liste("ListBox_autre")), QStringList {QStringLiteral("aucune")});
    EXPECT_FALSE(visible("PanelClasse"));
    EXPECT_FALSE(visible("button_inscription"));
    tout_est_dans_la_fenetre();
}

TEST_F(FenetreIdentification, le_seizieme_nom_ouvre_une_deuxieme_colonne_et_un_clic_identifie)
{
    for (int i = 0; i < 16; ++i)
        ecole.ajoute(
            QStringLiteral("Eleve%1_Prenom").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("CM1-A"));
    Tident& f = ouvre();
    choisit_classe(QStringLiteral("CM1-A"));
    EXPECT_EQ(f.etat(), Tident::Etat::choix_nom);
    EXPECT_EQ(texte("PanelClasse"), QStringLiteral(" Classe: CM1-A "));
    EXPECT_TRUE(visible("PanelClasse"));
    EXPECT_TRUE(visible("ButtonChangerClasse"));
    EXPECT_EQ(texte("label_classe"), QStringLiteral("Clique sur ton nom:"));
    EXPECT_EQ(liste("ListBox1")->count(), 15);
    EXPECT_EQ(
        items(liste("ListBox2")), QStringList {QStringLiteral("Eleve15") + nbsp + QStringLiteral("Prenom")});
    EXPECT_TRUE(liste("ListBox2")->isVisible());
    EXPECT_EQ(texte("label_inscription"), QStringLiteral("Pas dans la liste? Clique ici:"));
    EXPECT_TRUE(visible("button_inscription"));
    EXPECT_FALSE(visible("ListBox_autre"));
    tout_est_dans_la_fenetre();

    clique(liste("ListBox2"), 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.identite().nom_fichier, QStringLiteral("Eleve15_Prenom"));
    EXPECT_EQ(f.identite().chemin_historique, ecole.historique(QStringLiteral("Eleve15_Prenom")));
    EXPECT_EQ(f.identite().classe, QStringLiteral("CM1-A"));
    EXPECT_EQ(f.identite().niveau, QStringLiteral("CM1"));
}

TEST_F(FenetreIdentification, cent_vingt_noms_remplissent_huit_colonnes_et_le_suivant_une_neuvieme)
{
    for (int i = 0; i < 121; ++i)
        ecole.ajoute(QStringLiteral("Nom%1_Prenom").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("CM2"));
    Tident& f = ouvre();
    choisit_classe(QStringLiteral("CM2"));
    EXPECT_EQ(f.box(8)->count(), 15);
    ASSERT_NE(f.findChild<QListWidget*>(QStringLiteral("ListBox9")), nullptr);
    EXPECT_EQ(f.box(9)->count(), 1);
    tout_est_dans_la_fenetre();
    clique(f.box(9), 0);
    EXPECT_EQ(f.identite().nom_fichier, QStringLiteral("Nom120_Prenom"));
}

TEST_F(FenetreIdentification, un_seul_eleve_demande_est_ce_ton_nom)
{
    ecole.ajoute(QStringLiteral("Dupont_Marie"), QStringLiteral("CP"));
    Tident& f = ouvre();
    choisit_classe(QStringLiteral("CP"));
    EXPECT_EQ(texte("label_inscription"), QStringLiteral("Est-ce ton nom?"));
    EXPECT_FALSE(liste("ListBox1")->isEnabled());
    EXPECT_TRUE(visible("Button_oui"));
    EXPECT_TRUE(visible("Button_non"));
    EXPECT_FALSE(visible("button_inscription"));
    EXPECT_FALSE(visible("label_classe"));

    clique("Button_non");
    EXPECT_EQ(f.etat(), Tident::Etat::inscription);
    EXPECT_FALSE(visible("Button_oui"));

    clique("ButtonChangerClasse");
    EXPECT_EQ(f.etat(), Tident::Etat::choix_classe);
    choisit_classe(QStringLiteral("CP"));
    clique("Button_oui");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.identite().nom, QStringLiteral("Dupont"));
    EXPECT_EQ(f.identite().prenom, QStringLiteral("Marie"));
}

TEST_F(FenetreIdentification, inscription_en_tapant_les_noms_avec_espaces_et_majuscules)
{
    Tident& f = ouvre();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    choisit_classe(QStringLiteral("aucune")); // empty "Hors classe": straight to registration
    EXPECT_EQ(f.etat(), Tident::Etat::inscription);
    EXPECT_EQ(texte("PanelClasse"), QStringLiteral(" Classe: aucune "));
    auto* nom = w<QLineEdit>("Edit_nom");
    auto* prenom = w<QLineEdit>("Edit_prenom");
    auto* ok = w<QPushButton>("Button_id");
    EXPECT_TRUE(nom->hasFocus());
    EXPECT_EQ(nom->accessibleName(), QStringLiteral("Nom de famille:"));
    EXPECT_EQ(texte("label_prenom"), QStringLiteral("Prénom:"));

    QTest::keyClicks(nom, QStringLiteral("  jean  "));
    EXPECT_EQ(nom->text(), QStringLiteral("Jean "));
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClick(nom, Qt::Key_Return);
    EXPECT_TRUE(prenom->hasFocus());
    QTest::keyClicks(prenom, QStringLiteral("M"));
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClick(prenom, Qt::Key_Return); // refused while the button is disabled
    EXPECT_TRUE(f.isVisible());
    QTest::keyClicks(prenom, QStringLiteral("ARIE-claire"));
    EXPECT_EQ(prenom->text(), QStringLiteral("Marie-Claire"));
    EXPECT_TRUE(ok->isEnabled());

    QTest::keyClick(prenom, Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    const IdentiteEleve& e = f.identite();
    EXPECT_EQ(e.nom_fichier, QStringLiteral("Jean_Marie-Claire"));
    EXPECT_EQ(e.chemin_historique, ecole.historique(QStringLiteral("Jean_Marie-Claire")));
    EXPECT_EQ(e.code, code_de_nom(QStringLiteral("Jean_Marie-Claire")));
    EXPECT_TRUE(QFileInfo::exists(e.dossier_liste + QStringLiteral("/Jean_Marie-Claire.lnk")));
}

TEST_F(FenetreIdentification, fleches_tabulation_et_entree_passent_d_un_champ_a_l_autre)
{
    ecole.reglages.mode_ecole = false;
    Tident& f = ouvre(); // home without pupils: registration at once
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto* nom = w<QLineEdit>("Edit_nom");
    auto* prenom = w<QLineEdit>("Edit_prenom");
    EXPECT_FALSE(visible("PanelClasse"));
    EXPECT_TRUE(nom->hasFocus());
    QTest::keyClick(nom, Qt::Key_Down);
    EXPECT_TRUE(prenom->hasFocus());
    QTest::keyClick(prenom, Qt::Key_Up);
    EXPECT_TRUE(nom->hasFocus());
    QTest::keyClick(nom, Qt::Key_Tab);
    EXPECT_TRUE(prenom->hasFocus());
    QTest::keyClick(prenom, Qt::Key_Tab);
    EXPECT_TRUE(nom->hasFocus());
    QTest::keyClick(&f, Qt::Key_Escape); // a stray Escape keeps the window
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FenetreIdentification, code_tape_filtre_puis_reconnu_ou_inconnu)
{
    ecole.reglages.identification_par_code = true;
    ecole.ajoute(QStringLiteral("Dupont_Marie"), QStringLiteral("CP"));
    ecole.ajoute(QStringLiteral("Martin_Léo"), QStringLiteral("CP"));
    Tident& f = ouvre();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    choisit_classe(QStringLiteral("CP"));
    EXPECT_EQ(f.etat(), Tident::Etat::saisie_code);
    auto* champ = w<QLineEdit>("Edit_code");
    EXPECT_TRUE(champ->hasFocus());
    EXPECT_FALSE(liste("ListBox1")->isVisible());
    EXPECT_EQ(texte("label_inscription"), QStringLiteral("Si tu ne sais pas ton code, clique ici:"));
    EXPECT_TRUE(visible("ButtonChangerClasse"));

    QTest::keyClicks(champ, QStringLiteral("a1"));
    EXPECT_EQ(champ->text(), QStringLiteral("a"));

    const QString code = code_de_nom(QStringLiteral("Dupont_Marie"));
    const QString faux = code.left(3) + (code[3] == u'z' ? u'y' : QChar(code[3].unicode() + 1));
    champ->clear();
    QTest::keyClicks(champ, faux.toUpper());
    EXPECT_EQ(f.etat(), Tident::Etat::code_inconnu);
    EXPECT_EQ(texte("label_code_inconnu"), QStringLiteral("code inconnu"));
    EXPECT_FALSE(champ->isEnabled());
    EXPECT_FALSE(visible("button_inscription"));
    EXPECT_TRUE(w("Button_code_inconnu")->hasFocus());
    EXPECT_TRUE(f.isVisible());

    clique("Button_code_inconnu");
    EXPECT_EQ(f.etat(), Tident::Etat::saisie_code);
    EXPECT_TRUE(champ->isEnabled());
    EXPECT_TRUE(champ->text().isEmpty());
    QTest::keyClicks(champ, code.toUpper());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.identite().nom_fichier, QStringLiteral("Dupont_Marie"));
    EXPECT_EQ(f.identite().code, code);
}

TEST_F(FenetreIdentification, une_inscription_avec_code_montre_le_code_a_noter)
{
    ecole.reglages.identification_par_code = true;
    Tident& f = ouvre();
    choisit_classe(QStringLiteral("CM2"));
    clique("button_inscription");
    tape(w<QLineEdit>("Edit_nom"), QStringLiteral("Lefèvre"));
    tape(w<QLineEdit>("Edit_prenom"), QStringLiteral("zoé"));
    clique("Button_id");
    EXPECT_EQ(f.etat(), Tident::Etat::affichage_code);
    EXPECT_EQ(texte("Panel_code"), code_de_nom(QStringLiteral("Lefèvre_Zoé")));
    EXPECT_EQ(texte("label_cahier"), QStringLiteral("Note-le sur ton cahier"));
    EXPECT_FALSE(visible("Button_id"));
    EXPECT_TRUE(f.isVisible());
    tout_est_dans_la_fenetre();

    // Closed with the title bar here, the registered pupil is still handed over.
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.identite().nom_fichier, QStringLiteral("Lefèvre_Zoé"));
    EXPECT_EQ(f.identite().classe, QStringLiteral("CM2"));
}

TEST_F(FenetreIdentification, ancien_eleve_propose_et_accepte_ou_refuse)
{
    ecole.ajoute(QStringLiteral("Dupond_Marie"), QStringLiteral("CE2"), QStringLiteral("2023-2024"));
    for (auto reponse : {QMessageBox::Yes, QMessageBox::No}) {
        RepondeurBoites repondeur(reponse);
        Tident& f = ouvre();
        choisit_classe(QStringLiteral("CM1-B"));
        QTest::keyClicks(w<QLineEdit>("Edit_nom"), QStringLiteral("dupont"));
        QTest::keyClicks(w<QLineEdit>("Edit_prenom"), QStringLiteral("marie"));
        clique("Button_id");
        ASSERT_EQ(repondeur.vues.size(), 1);
        EXPECT_EQ(repondeur.vues[0].titre, QStringLiteral("Ancien élève?"));
        EXPECT_EQ(repondeur.vues[0].texte, QStringLiteral("Etais-tu en CE2 l'année dernière?"));
        EXPECT_FALSE(f.isVisible());
        const QString attendu
            = reponse == QMessageBox::Yes ? QStringLiteral("Dupond_Marie") : QStringLiteral("Dupont_Marie");
        EXPECT_EQ(f.identite().nom_fichier, attendu);
        EXPECT_EQ(f.identite().chemin_historique, ecole.historique(attendu));
        EXPECT_EQ(f.identite().classe, QStringLiteral("CM1-B"));
    }
}

TEST_F(FenetreIdentification, fermer_par_la_barre_de_titre_rend_une_identite_vide)
{
    Tident& f = ouvre();
    choisit_classe(QStringLiteral("aucune"));
    QTest::keyClicks(w<QLineEdit>("Edit_nom"), QStringLiteral("Dupont"));
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.identite().identifie());
    EXPECT_TRUE(f.identite().chemin_historique.isEmpty());

    // Opened again (next pupil), the window starts over at the class choice.
    f.show();
    EXPECT_EQ(verrous_retablis, 2);
    EXPECT_EQ(f.etat(), Tident::Etat::choix_classe);
    EXPECT_TRUE(w<QLineEdit>("Edit_nom")->text().isEmpty());
}

TEST_F(FenetreIdentification, au_clavier_les_fleches_et_entree_choisissent_classe_et_nom)
{
    ecole.ajoute(QStringLiteral("Alpha_Un"), QStringLiteral("CM1-B"));
    ecole.ajoute(QStringLiteral("Beta_Deux"), QStringLiteral("CM1-B"));
    Tident& f = ouvre();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QListWidget* cp = liste("ListBox1");
    EXPECT_TRUE(cp->hasFocus());
    cp->setCurrentRow(0);
    QTest::keyClick(cp, Qt::Key_Right);
    QListWidget* cm1 = liste("ListBox2");
    EXPECT_TRUE(cm1->hasFocus());
    QTest::keyClick(cm1, Qt::Key_Down);
    QTest::keyClick(cm1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(texte("PanelClasse"), QStringLiteral(" Classe: CM1-B "));
    QListWidget* noms = liste("ListBox1");
    EXPECT_TRUE(noms->hasFocus());
    noms->setCurrentRow(0);
    QTest::keyClick(noms, Qt::Key_Down);
    QTest::keyClick(noms, Qt::Key_Enter);
    QApplication::processEvents();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.identite().nom_fichier, QStringLiteral("Beta_Deux"));
}

TEST_F(FenetreIdentification, l_annee_scolaire_vient_de_l_horloge_puis_des_reglages_poses_apres_coup)
{
    ecole.ajoute(QStringLiteral("Dupond_Marie"), QStringLiteral("CE2"), QStringLiteral("2023-2024"));
    ecole.reglages.annee_scolaire.clear(); // the clock says 3 December 2024
    RepondeurBoites repondeur(QMessageBox::No);
    Tident& f = ouvre();
    auto inscrit = [&] {
        choisit_classe(QStringLiteral("CM2"));
        QTest::keyClicks(w<QLineEdit>("Edit_nom"), QStringLiteral("Dupont"));
        QTest::keyClicks(w<QLineEdit>("Edit_prenom"), QStringLiteral("Marie"));
        clique("Button_id");
    };
    inscrit();
    ASSERT_EQ(repondeur.vues.size(), 1);
    EXPECT_EQ(repondeur.vues[0].texte, QStringLiteral("Etais-tu en CE2 l'année dernière?"));

    // The teacher sets up a later school year while the window exists: the next opening follows it.
    ecole.reglages.annee_scolaire = QStringLiteral("2026-2027");
    f.show();
    inscrit();
    ASSERT_EQ(repondeur.vues.size(), 2);
    EXPECT_EQ(repondeur.vues[1].texte, QStringLiteral("Etais-tu en CE2 il y a 3 ans?"));
}
