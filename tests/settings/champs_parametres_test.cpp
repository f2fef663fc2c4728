#include "settings/champs_parametres.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The three shared groups on one page, as the dialog and the console hold them.
struct Page
{
    explicit Page(Disposition d)
        : temps(new GroupeTemps(d, &fond))
        , apprentissage(new GroupeApprentissage(d, &fond))
        , apparence(new GroupeApparence(d, &fond))
    {
        auto* l = new QVBoxLayout(&fond);
        l->addWidget(temps);
        l->addWidget(apprentissage);
        l->addWidget(apparence);
    }
    void affiche(const ParametresGeneraux& p)
    {
        temps->affiche(p);
        apprentissage->affiche(p);
        apparence->affiche(p);
    }
    ParametresGeneraux lit() const
    {
        ParametresGeneraux p;
        temps->recopie(p);
        apprentissage->recopie(p);
        apparence->recopie(p);
        return p;
    }
    template <typename T = QWidget> T* controle(const char* nom) const
    {
        T* w = fond.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    QWidget fond;
    GroupeTemps* temps;
    GroupeApprentissage* apprentissage;
    GroupeApparence* apparence;
};

} // namespace

TEST(ChampsParametres, chaque_valeur_montree_se_relit_dans_les_deux_fenetres)
{
    struct Cas
    {
        Disposition disposition;
        const char* pause_non;
        const char* masquer_oui;
    };
    for (const Cas& c : {Cas {Disposition::reglages, "RadioButton2", "RadioButton6"},
             Cas {Disposition::console, "RadioButton28", "RadioButton34"}}) {
        Page page(c.disposition);
        ParametresGeneraux p;
        p.temps_acceptable = 6;
        p.temps_maximum = 45;
        p.temps_initial = 12;
        p.temps_final = 3;
        p.ordre_valeur_produit = true;
        p.items_par_bloc = 2;
        p.formule = QStringLiteral("1.1.1.1.4");
        p.apprentissage_obligatoire = true;
        p.chrono_visible = false;
        p.pause_visible = false;
        p.masquer_incomplets = true;
        p.configuration_personnelle = false;
        page.affiche(p);
        EXPECT_EQ(page.lit(), p);
        EXPECT_TRUE(page.controle<QRadioButton>(c.pause_non)->isChecked());
        EXPECT_TRUE(page.controle<QRadioButton>(c.masquer_oui)->isChecked());
        EXPECT_TRUE(page.controle<QRadioButton>("RadioButton_bloc_exact")->isChecked());
        EXPECT_FALSE(page.controle<QRadioButton>("RadioButton_ordre")->isEnabled());

        // Back to the defaults: every control moves, none keeps the previous value.
        page.affiche(ParametresGeneraux {});
        EXPECT_EQ(page.lit(), ParametresGeneraux {});
    }
}

TEST(ChampsParametres, une_formule_proposee_a_son_bouton_une_autre_va_sous_autre_et_se_juge_a_la_frappe)
{
    Page page(Disposition::reglages);
    ParametresGeneraux p;
    p.formule = QStringLiteral("1.1.2.1.1.4");
    page.affiche(p);
    EXPECT_TRUE(page.controle<QRadioButton>("RadioButton_formule3")->isChecked());
    auto* edit = page.controle<QLineEdit>("Edit_formule");
    auto* avis = page.controle<QLabel>("Label_formule");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(avis->text(), QStringLiteral("Un groupe de blocs s'apprend ainsi : A, B, AB, C, D, ABCD."));

    p.formule = QStringLiteral("1.2.1.3");
    page.affiche(p);
    EXPECT_TRUE(page.controle<QRadioButton>("RadioButton_formule4")->isChecked());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(edit->text(), QStringLiteral("1.2.1.3"));
    EXPECT_TRUE(avis->text().startsWith(QStringLiteral("Formule refusée : L'étape 2 révise 2 blocs")));
    EXPECT_FALSE(page.apprentissage->refus().isEmpty());

    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1.1.1.1.4"));
    EXPECT_TRUE(page.apprentissage->refus().isEmpty());
    EXPECT_EQ(avis->text(), QStringLiteral("Un groupe de blocs s'apprend ainsi : A, B, C, D, ABCD."));
    EXPECT_EQ(page.lit().formule, QStringLiteral("1.1.1.1.4"));

    // Another button: its formula counts, the free one waits in its disabled field.
    page.controle<QRadioButton>("RadioButton_formule2")->click();
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(page.lit().formule, QStringLiteral("1.1.1.3"));
    page.controle<QRadioButton>("RadioButton_formule4")->click();
    EXPECT_EQ(page.lit().formule, QStringLiteral("1.1.1.1.4"));
}

TEST(ChampsParametres,
    les_objectifs_ouvrent_sur_les_tables_classiques_et_la_famille_choisie_seule_est_modifiable)
{
    GroupeObjectifs groupe;
    ParametresGeneraux p;
    p.objectifs_etendus = true;
    p.tables_classiques = {3, 5};
    p.tables_etendues = {11, 14};
    groupe.affiche(p);
    auto* case_5 = groupe.findChild<QCheckBox*>(QStringLiteral("CheckBox_5"));
    auto* carres = groupe.findChild<QCheckBox*>(QStringLiteral("CheckBox_11"));
    ASSERT_TRUE(case_5 && carres);
    EXPECT_EQ(carres->text(), QStringLiteral("carrés"));
    EXPECT_TRUE(carres->isChecked() && carres->isEnabled());
    EXPECT_TRUE(case_5->isChecked());
    EXPECT_FALSE(case_5->isEnabled());

    groupe.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->click();
    EXPECT_TRUE(case_5->isEnabled());
    EXPECT_FALSE(carres->isEnabled());
    ParametresGeneraux lu;
    groupe.recopie(lu);
    EXPECT_FALSE(lu.objectifs_etendus);
    EXPECT_EQ(lu.tables_classiques, (QVector<int> {3, 5}));
    EXPECT_EQ(lu.tables_etendues, (QVector<int> {11, 14}));
}
