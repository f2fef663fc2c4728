#include "seance/session.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/aide_console.h"
#include "teacher/cases_classes.h"
#include "teacher/page_stat_produits.h"
#include "teacher/tstats.h"

#include <QCheckBox>
#include <QLabel>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// Class 61 of 2024-2025: three pupils tested on 6 × 9 (56 twice, 48 once), one without a history.
class FenetreStats : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session = std::make_unique<Session>(d.chemin(), horloge, messagerie, plateforme);
        Reglages& r = session->reglages();
        r.annee_scolaire = QStringLiteral("2024-2025");
        r.dossier_eleves = d.chemin(QStringLiteral("eleves"));
        r.dossier_etablissement = d.chemin(QStringLiteral("eleves/Valbrume"));
        r.dossier_annee = d.chemin(QStringLiteral("eleves/Valbrume/2024-2025"));
        r.niveaux = {{QStringLiteral("sixième"), {QStringLiteral("61"), QStringLiteral("62")}}};
        ASSERT_TRUE(d.cree(QStringLiteral("eleves/Valbrume/2024-2025/61")));
        ASSERT_TRUE(d.cree(QStringLiteral("eleves/Valbrume/2024-2025/62")));
        eleve(QStringLiteral("Alain_Paul"), QStringLiteral("P06090300056P07080250054"));
        eleve(QStringLiteral("Brice_Jo"), QStringLiteral("P06090310056"));
        eleve(QStringLiteral("Colin_Max"), QStringLiteral("P06090320048"));
        ASSERT_TRUE(
            ecrit_lignes(r.dossier_annee + QStringLiteral("/61/Dupont_Eva.lnk"), {QStringLiteral("x")}));
        page = std::make_unique<PageStatProduits>(*session);
        page->classes()->actualise(r.niveaux);
        page->ouvre();
    }
    void eleve(const QString& nom, const QString& enregistrements)
    {
        const Reglages& r = session->reglages();
        ASSERT_TRUE(ecrit_lignes(r.dossier_annee + QStringLiteral("/61/") + nom + QStringLiteral(".lnk"),
            {r.dossier_etablissement + QLatin1Char('/') + nom + QStringLiteral(".txt")}));
        ASSERT_TRUE(ecrit_lignes(r.dossier_etablissement + QLatin1Char('/') + nom + QStringLiteral(".txt"),
            {ligne_entete_seance(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"),
                 QStringLiteral("10:00:00"), QStringLiteral("10:10:00"), QStringLiteral("PC")),
                ligne_test(QStringLiteral("10:01:00"), QStringLiteral("10:05:00"), enregistrements)}));
    }
    TStats* stats() const { return page->stats(); }
    QString texte_case(int a, int b) const
    {
        return dans<QLabel>(stats(), QStringLiteral("Panel%1").arg((a - 2) * 8 + b - 1))->text();
    }
    void clique(const char* nom) const { dans<QAbstractButton>(stats(), nom)->click(); }

    DossierTest d;
    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    RepondeurBoites boites;
    std::unique_ptr<Session> session;
    std::unique_ptr<PageStatProduits> page;
};

} // namespace

TEST_F(FenetreStats, la_page_ouvre_la_fenetre_qui_change_de_mode_et_de_tri)
{
    session->reglages().temps_reponse_acceptable = 3;
    ASSERT_TRUE(d.cree(QStringLiteral("eleves/Valbrume/Dupont_Eva.txt"))); // a history that cannot be read
    dans<QAbstractButton>(page.get(), "Button_stats")->click();
    ASSERT_TRUE(stats()->isVisible());
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues.first().texte.endsWith(
        QStringLiteral("/eleves/Valbrume/Dupont_Eva.txt : historique illisible")));
    // The captions tell where fast right answers end: at the acceptable time.
    EXPECT_EQ(dans<QCheckBox>(stats(), "CheckBox_rep2")->text(),
        QStringLiteral("bonnes réponses dans un temps >=3s"));
    EXPECT_EQ(dans<QLabel>(stats(), "Label_nb_eleves1")->text(), QStringLiteral("4"));
    EXPECT_EQ(texte_case(6, 9), QStringLiteral("75.0"));
    EXPECT_EQ(dans<QLabel>(stats(), "Label1")->text(), QStringLiteral("3 confusions différentes"));
    EXPECT_EQ(dans<QPlainTextEdit>(stats(), "Memo1")->toPlainText(),
        QStringLiteral("6×9=56....2 fois\n7×8=54....1\n6×9=48....1"));

    clique("RadioButton_produit");
    EXPECT_EQ(dans<QPlainTextEdit>(stats(), "Memo1")->toPlainText(),
        QStringLiteral("6×9=48....1 fois\n6×9=56....2\n7×8=54....1"));

    // The mean time counts only right answers, and "pas de réponse" cannot be chosen.
    clique("RadioButton3");
    EXPECT_FALSE(dans<QCheckBox>(stats(), "CheckBox_rep4")->isEnabled());
    EXPECT_TRUE(dans<QCheckBox>(stats(), "CheckBox_rep1")->isChecked());
    EXPECT_FALSE(dans<QCheckBox>(stats(), "CheckBox_rep3")->isChecked());
    EXPECT_EQ(texte_case(6, 9), QStringLiteral("75.0")); // not recomputed before "Actualiser"
    clique("Button_calculer");
    EXPECT_EQ(texte_case(6, 9), QStringLiteral("***"));
    EXPECT_EQ(dans<QPlainTextEdit>(stats(), "Memo1")->toPlainText().section(u'\n', 0, 0),
        QStringLiteral("6×9=48....1 fois"));

    // In the speed mode every box stays ticked.
    clique("RadioButton4");
    clique("CheckBox_rep3");
    EXPECT_TRUE(dans<QCheckBox>(stats(), "CheckBox_rep3")->isChecked());
    stats()->close();
}

TEST_F(FenetreStats, sans_eleve_coche_la_fenetre_ne_s_ouvre_pas_et_un_delai_change_la_legende)
{
    dans<QCheckBox>(page->classes(), "CheckBox_1_1")->setChecked(false);
    dans<QAbstractButton>(page.get(), "Button_stats")->click();
    EXPECT_FALSE(stats()->isVisible());
    ASSERT_EQ(boites.vues.size(), 1);

    dans<QSpinBox>(stats(), "SpinEdit2")->setValue(7);
    EXPECT_EQ(dans<QCheckBox>(stats(), "CheckBox_rep2")->text(),
        QStringLiteral("bonnes réponses dans un temps >=7s"));
}

TEST_F(FenetreStats, enregistrer_et_imprimer)
{
    dans<QAbstractButton>(page.get(), "Button_stats")->click();
    const QString csv = d.chemin(QStringLiteral("stats.csv"));
    ASSERT_TRUE(stats()->enregistre(csv));
    const QStringList lignes = lit_lignes(csv).value();
    ASSERT_EQ(lignes.size(), 1 + 64 + 2 + 3);
    EXPECT_EQ(lignes.at(1 + 39), QStringLiteral("6×9;0;0;3;0;;;3,1;;75,0;rouge foncé"));
    EXPECT_EQ(lignes.last(), QStringLiteral("6×9=48;1"));
    // A folder cannot be replaced by the file: the failure is told, not hidden.
    EXPECT_FALSE(stats()->enregistre(d.chemin(QStringLiteral("eleves"))));

    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(d.chemin(QStringLiteral("stats.pdf")));
    EXPECT_TRUE(stats()->imprime(imprimante));
    EXPECT_GT(QFileInfo(d.chemin(QStringLiteral("stats.pdf"))).size(), 1000);
    stats()->close();
}
