#include "app/tgeneral.h"
#include "settings/treglages.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString attention
    = QStringLiteral("OK.\nLe logiciel doit être redémarré\npour prendre en compte les changements");

template <typename T = QAbstractButton> T* dans(const QObject* parent, const char* nom)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(nom));
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

class DialogueReglages : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ecrit_configuration_par_defaut(dossier.chemin()).ok); }
    QString chemin_ini() const { return QDir(dossier.chemin()).filePath(cles::fichier); }
    // The program as a launch leaves it before the identification.
    std::unique_ptr<Tgeneral> demarre()
    {
        auto f = std::make_unique<Tgeneral>(dossier.chemin(), horloge, plateforme);
        f->session().initialise_session();
        f->applique_session();
        return f;
    }

    DossierTest dossier;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;
};

} // namespace

TEST_F(DialogueReglages, trois_reglages_changes_sont_en_vigueur_au_demarrage_suivant)
{
    auto fenetre = demarre();
    plateforme.num = true; // the pupil switched Num Lock on since the launch
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<Treglages*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        vu = true;
        EXPECT_FALSE(plateforme.num);
        dans<QSpinBox>(d, "SpinEdit_tmps_max")->setValue(30);
        dans(d, "RadioButton24")->click();
        dans(d, "RadioButton22")->click();
        dans(d, "Button_enregistrer_parametres")->click();
        d->accept();
    });
    for (QAction* a : fenetre->menuBar()->actions())
        if (a->text() == QStringLiteral("Réglages"))
            a->trigger();
    ASSERT_TRUE(vu);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre.toStdString(), "ATTENTION!");
    EXPECT_EQ(boites.vues[0].icone, QMessageBox::Warning);
    EXPECT_TRUE(boites.vues[0].texte == attention);

    fenetre.reset();
    fenetre = demarre();
    EXPECT_EQ(fenetre->session().reglages().temps_reponse_maximum, 30);
    EXPECT_FALSE(fenetre->session().reglages().chrono_test_visible);
    for (QAction* a : fenetre->findChildren<QAction*>()) {
        if (a->text().startsWith(QStringLiteral("Perfectionnement: niveau"))) {
            EXPECT_FALSE(a->isEnabled());
        }
    }
}

TEST_F(
    DialogueReglages, rouvert_il_relit_le_fichier_sur_les_tables_classiques_et_annonce_le_serveur_a_demander)
{
    Treglages d(chemin_ini(), {});
    d.show();
    for (const char* nom : {"RadioButton4", "CheckBox_11", "CheckBox_13", "RadioGroup1_Ecole"})
        dans(&d, nom)->click();
    EXPECT_EQ(
        dans<QComboBox>(&d, "ComboBox_taille_affichage")->currentText(), QStringLiteral("comme le bureau"));
    dans<QComboBox>(&d, "ComboBox_taille_affichage")->setCurrentText(QStringLiteral("150 %"));
    FichierIni ailleurs(chemin_ini()); // changed by the teacher console while the dialog was open
    ailleurs.ecrit_texte(cles::codes, cles::code_professeur, QStringLiteral("abcd"));
    ASSERT_TRUE(ailleurs.enregistre().ok);
    dans(&d, "Button_enregistrer_parametres")->click();
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte
        == attention
            + QStringLiteral(
                "\n\nLe chemin du serveur n'est pas renseigné : il sera demandé au prochain démarrage."));
    const FichierIni ini(chemin_ini());
    EXPECT_EQ(ini.lit_texte(cles::parametres, cles::objectifs_etendus_defaut).toStdString(), "table_13");
    EXPECT_EQ(ini.lit_texte(cles::general, cles::mode).toStdString(), "Ecole");
    EXPECT_EQ(ini.lit_texte(cles::codes, cles::code_professeur).toStdString(), "abcd");
    EXPECT_EQ(
        ini.lit_texte(cles::apparence, QStringLiteral("Taille de l'affichage")), QStringLiteral("150 %"));

    d.hide();
    dans(&d, "RadioGroup1_Maison")->click();
    d.show();
    EXPECT_TRUE(dans(&d, "RadioButton3")->isChecked() && dans(&d, "RadioGroup1_Ecole")->isChecked());
    EXPECT_TRUE(dans(&d, "CheckBox_13")->isChecked());
    EXPECT_FALSE(dans(&d, "CheckBox_13")->isEnabled());
    EXPECT_EQ(dans<QComboBox>(&d, "ComboBox_taille_affichage")->currentText(), QStringLiteral("150 %"));
}

TEST_F(DialogueReglages, fermer_sans_avoir_enregistre_demande_s_il_faut_enregistrer)
{
    for (const auto& [reponse, ouvert, temps] : {std::tuple {QMessageBox::Cancel, true, 20},
             std::tuple {QMessageBox::No, false, 20}, std::tuple {QMessageBox::Yes, false, 45}}) {
        Treglages d(chemin_ini(), {});
        d.show();
        dans(&d, "Button_fermer")->click(); // nothing changed: no question
        EXPECT_TRUE(boites.vues.isEmpty());
        d.show();
        dans<QSpinBox>(&d, "SpinEdit_tmps_max")->setValue(45);
        boites.reponses = {reponse};
        dans(&d, "Button_fermer")->click();
        EXPECT_EQ(boites.vues.first().texte.toStdString(),
            "Les réglages ont été modifiés sans être enregistrés.\nLes enregistrer avant de fermer ?");
        EXPECT_EQ(d.isVisible(), ouvert);
        EXPECT_EQ(FichierIni(chemin_ini()).lit_entier(cles::parametres, cles::temps_maximum), temps);
        boites.vues.clear();
    }
}
