#include "app/logique/session.h"
#include "reports/outils_pdf.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "teacher/aide_console.h"
#include "teacher/arbre_eleves.h"
#include "teacher/dialogues_fichiers.h"
#include "teacher/ecole_suivi.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/page_suivi.h"
#include "teacher/tprofesseur.h"
#include "teacher/tstats_el.h"

#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The console over the small school of the class follow-up.
class ConsoleExports : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        ini.change_chemin(dossier.chemin(QStringLiteral("Tabrix.ini")));
        ASSERT_TRUE(ini.enregistre());
        ecole_suivi::ecrit(dossier.chemin(QStringLiteral("Eleves")));
        session = std::make_unique<Session>(dossier.chemin(), horloge, messagerie, plateforme);
        session->initialise_session();
        console = std::make_unique<TProfesseur>(*session);
        console->show();
        QCoreApplication::processEvents();
        dialogues::installe_repondeur({[this](const dialogues::DemandeFichier& d) {
                                           demandes.append(d);
                                           return dossier.chemin(QStringLiteral("export.pdf"));
                                       },
            {}});
    }
    void TearDown() override { dialogues::installe_repondeur({}); }
    void choisit(const QString& debut) const
    {
        ArbreEleves* arbre = console->suivi()->arbre();
        for (int i = 0; i < arbre->lignes().size(); ++i)
            if (arbre->lignes()[i].trimmed().startsWith(debut))
                arbre->setCurrentItem(arbre->noeud(i));
    }

    DossierTest dossier;
    HorlogeManuelle horloge {QDateTime(QDate(2024, 12, 7), QTime(10, 15, 0))};
    PlateformeFactice plateforme;
    MessagerieEnregistreuse messagerie;
    RepondeurBoites boites;
    std::unique_ptr<Session> session;
    std::unique_ptr<TProfesseur> console;
    QList<dialogues::DemandeFichier> demandes;
};

TEST_F(ConsoleExports, une_classe_du_suivi_exportee_en_pdf_par_ordre_alphabetique)
{
    choisit(QStringLiteral("61:"));
    QPushButton* enregistrer = dans<QPushButton>(console.get(), "ButtonEnregistrer");
    ASSERT_TRUE(enregistrer->isEnabled());
    enregistrer->click();
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes[0].nom, QStringLiteral("Classe de 61"));
    const QString pdf = dossier.chemin(QStringLiteral("export.pdf"));
    EXPECT_EQ(lance_outil(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).statut, 0);
    EXPECT_TRUE(lance_outil(QStringLiteral("pdfinfo"), {pdf})
                    .sortie.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QString texte = texte_du_pdf(pdf);
    const qsizetype a = texte.indexOf(QStringLiteral("ABCDEFGHIJ")),
                    d = texte.indexOf(QStringLiteral("DUPONT")), m = texte.indexOf(QStringLiteral("MARTIN"));
    EXPECT_TRUE(a >= 0 && a < d && d < m);
    EXPECT_TRUE(texte.contains(QStringLiteral("Classe de 61")));
    // The pupil with learning only has no report, and is named.
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_TRUE(boites.vues[0].texte.contains(QStringLiteral("Sansbilan_Paul")));

    // The summary line exports nothing.
    choisit(QStringLiteral("Total"));
    enregistrer->click();
    EXPECT_EQ(demandes.size(), 1);
}

TEST_F(ConsoleExports, la_page_des_statistiques_calcule_sur_les_classes_de_l_annee)
{
    console->classeur()->setCurrentIndex(TProfesseur::stat_class);
    PageStatsEleves* page = console->page_stats_eleves();
    EXPECT_EQ(page->cle_abscisse(), QStringLiteral("niveau"));
    dans<QPushButton>(page, "Button1")->click();
    Tstats_el* f = page->fenetre_graphique();
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->donnees().titre.startsWith(QStringLiteral("Rapidité (nb br/mn) par niveau")));
    f->close();
}

} // namespace
