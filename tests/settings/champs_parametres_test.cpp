#include "settings/champs_parametres.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(ChampsParametres, chaque_valeur_montree_se_relit_sous_les_noms_de_chaque_fenetre)
{
    for (const auto& [disposition, pause_non, masquer_oui] :
        {std::tuple {Disposition::reglages, "RadioButton2", "RadioButton6"},
            std::tuple {Disposition::console, "RadioButton28", "RadioButton34"}}) {
        QWidget page;
        const QVector<GroupeParametres*> groupes {new GroupeTemps(disposition, &page),
            new GroupeApprentissage(disposition, &page), new GroupeApparence(disposition, &page)};
        const auto montre_et_relit = [&](const ParametresGeneraux& p) {
            ParametresGeneraux lu;
            for (GroupeParametres* g : groupes) {
                g->affiche(p);
                g->recopie(lu);
            }
            return lu;
        };
        ParametresGeneraux p;
        p.temps_acceptable = 6;
        p.temps_maximum = 45;
        p.temps_initial = 12;
        p.temps_final = 3;
        p.ordre_valeur_produit = p.apprentissage_obligatoire = p.masquer_incomplets = true;
        p.chrono_visible = p.pause_visible = p.configuration_personnelle = false;
        p.items_par_bloc = 2;
        p.formule = QStringLiteral("1.1.1.1.4");
        EXPECT_TRUE(montre_et_relit(p) == p);
        EXPECT_TRUE(page.findChild<QRadioButton*>(QString::fromLatin1(pause_non))->isChecked());
        EXPECT_TRUE(page.findChild<QRadioButton*>(QString::fromLatin1(masquer_oui))->isChecked());
        // Back to the defaults: no control keeps the previous value.
        EXPECT_TRUE(montre_et_relit(ParametresGeneraux {}) == ParametresGeneraux {});
    }
}

TEST(ChampsParametres, une_formule_proposee_a_son_bouton_une_autre_va_sous_autre_et_se_juge_a_la_frappe)
{
    GroupeApprentissage g(Disposition::reglages);
    auto* edit = g.findChild<QLineEdit*>(QStringLiteral("Edit_formule"));
    auto* avis = g.findChild<QLabel*>(QStringLiteral("Label_formule"));
    ParametresGeneraux p;
    p.formule = QStringLiteral("1.1.2.1.1.4");
    g.affiche(p);
    EXPECT_TRUE(g.findChild<QRadioButton*>(QStringLiteral("RadioButton_formule3"))->isChecked());
    EXPECT_FALSE(edit->isEnabled());

    p.formule = QStringLiteral("1.2.1.3");
    g.affiche(p);
    EXPECT_TRUE(g.findChild<QRadioButton*>(QStringLiteral("RadioButton_formule4"))->isChecked());
    EXPECT_TRUE(edit->isEnabled() && edit->text() == p.formule);
    EXPECT_TRUE(avis->text().startsWith(QStringLiteral("Formule refusée : L'étape 2 révise 2 blocs")));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1.1.1.1.4"));
    EXPECT_TRUE(g.refus().isEmpty());
    EXPECT_EQ(avis->text().toStdString(), "Un groupe de blocs s'apprend ainsi : A, B, C, D, ABCD.");

    // Another button counts; the free formula waits in its disabled field.
    g.findChild<QRadioButton*>(QStringLiteral("RadioButton_formule2"))->click();
    g.recopie(p);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(p.formule.toStdString(), "1.1.1.3");
    g.findChild<QRadioButton*>(QStringLiteral("RadioButton_formule4"))->click();
    g.recopie(p);
    EXPECT_EQ(p.formule.toStdString(), "1.1.1.1.4");
}
