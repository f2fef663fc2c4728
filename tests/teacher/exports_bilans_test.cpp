#include "core/horloge.h"
#include "reports/outils_pdf.h"
#include "reports/pdf_bilan.h"
#include "storage/config_perso.h"
#include "storage/historique_exemples.h"
#include "storage/lecture_historique.h"
#include "teacher/ecole_stats.h"
#include "teacher/regles_exports.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class ExportsBilans : public ::testing::Test
{
protected:
    BilansExportes bilans(const QString& chemin, const QString& texte, const QString& parent)
    {
        ContexteExport c;
        c.date = QStringLiteral("31/12/2024");
        c.dossier_etablissement = ecole.dossier_etablissement();
        return bilans_du_noeud({chemin, texte, parent}, c);
    }
    QString classe(const QString& nom) const { return ecole.dossier_annee() + QLatin1Char('/') + nom; }

    EcoleStats ecole;
    HorlogeManuelle horloge;
};

TEST_F(ExportsBilans, classe_de_trois_eleves_en_trois_pages_par_ordre_alphabetique_sans_la_casse)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("martin_Zoé"), historique_test(64));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(40));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Bernard_Léo"), historique_test(20));
    ASSERT_TRUE(ecrit_amenagement(
        ecole.dossier_etablissement() + QStringLiteral("/Dupont_Marie.ini"), Amenagement::tiers));
    const BilansExportes b = bilans(
        classe(QStringLiteral("61")), QStringLiteral("\t61: 3 élèves....66%"), QStringLiteral("Total"));
    ASSERT_EQ(b.bilans.size(), 3);
    EXPECT_EQ(b.nom_propose, QStringLiteral("Classe de 61"));
    EXPECT_EQ(b.bilans[1].classe, QStringLiteral("61"));
    EXPECT_EQ(b.bilans[1].titre_date, QStringLiteral("Mardi 03/12/2024"));
    EXPECT_EQ(b.bilans[0].amenagement, Amenagement::aucun);
    EXPECT_EQ(b.bilans[1].amenagement, Amenagement::tiers);

    const QString pdf = ecole.m_dossier.chemin(QStringLiteral("Classe de 61.pdf"));
    ASSERT_TRUE(ecrit_bilans_pdf(b.bilans, pdf, horloge));
    EXPECT_EQ(lance_outil(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).statut, 0);
    const QString info = lance_outil(QStringLiteral("pdfinfo"), {pdf}).sortie;
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("généré automatiquement par \"Tabrix\"")));
    const QString texte = texte_du_pdf(pdf);
    const qsizetype b1 = texte.indexOf(QStringLiteral("BERNARD")),
                    d = texte.indexOf(QStringLiteral("DUPONT")), m = texte.indexOf(QStringLiteral("MARTIN"));
    EXPECT_TRUE(b1 >= 0 && b1 < d && d < m);
    EXPECT_EQ(texte.count(QStringLiteral("temps aménagé : +1/3")), 1) << texte.toStdString();
}

TEST_F(ExportsBilans, eleve_seul_eleves_sans_bilan_nommes_et_noeuds_sans_export)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(40));
    const QString dupont = ecole.dossier_etablissement() + QStringLiteral("/Dupont_Marie.txt");
    const BilansExportes seul
        = bilans(dupont, QStringLiteral("\t\tDupont Marie...62"), QStringLiteral("\t61: 1 élève"));
    ASSERT_EQ(seul.bilans.size(), 1);
    EXPECT_EQ(seul.nom_propose, QStringLiteral("Dupont_Marie"));
    EXPECT_EQ(seul.bilans[0].classe, QStringLiteral("61"));

    QString carres;
    for (int a = 11; a <= 19; ++a)
        carres += QStringLiteral("P%1%1020%2").arg(a).arg(a * a, 4, 10, QLatin1Char('0'));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("A_sans_fichier"), {});
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("B_plus_tard"),
        historique_test(64, QStringLiteral("02/01/2025")));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("C_carres"),
        {ecole_suivi::entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
            ecole_suivi::test(carres)});
    const BilansExportes b
        = bilans(classe(QStringLiteral("62")), QStringLiteral("\t62: 3 élèves"), QStringLiteral("Total"));
    EXPECT_TRUE(b.bilans.isEmpty());
    ASSERT_EQ(b.ignores.size(), 3);
    EXPECT_TRUE(b.ignores[0].startsWith(QStringLiteral("A_sans_fichier : pas d'historique")));
    EXPECT_TRUE(b.ignores[1].contains(QStringLiteral("pas de test retenu")));
    EXPECT_TRUE(b.ignores[2].contains(QStringLiteral("tables de 2 à 9")));

    // The summary line (" ") and the top line of pupils without class (a folder, no parent).
    EXPECT_FALSE(bilans(QStringLiteral(" "), QStringLiteral("Total: 1 élève"), {}).noeud_exportable);
    EXPECT_FALSE(
        bilans(ecole.dossier_etablissement(), QStringLiteral("1 élève: score"), {}).noeud_exportable);
}

TEST_F(ExportsBilans, document_impossible_a_ecrire_ne_laisse_rien)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(40));
    const BilansExportes b
        = bilans(classe(QStringLiteral("61")), QStringLiteral("\t61"), QStringLiteral("Total"));
    // A folder of that name stands where the file should go.
    const QString impossible = ecole.m_dossier.chemin(QStringLiteral("bilans.pdf"));
    QDir().mkpath(impossible);
    const Ecriture e = ecrit_bilans_pdf(b.bilans, impossible, horloge);
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_TRUE(QDir(impossible).isEmpty());
    EXPECT_TRUE(QDir(ecole.m_dossier.chemin()).entryList({QStringLiteral("*.pdf*")}, QDir::Files).isEmpty());
}

// More pupils than two blocks of pages drawn together, some without a report: reports, reasons and
// pages keep the class's order, and the document is the one drawn page after page on one core.
TEST_F(ExportsBilans, grande_classe_lue_et_dessinee_sur_tous_les_coeurs_dans_l_ordre)
{
    QStringList attendus, ignores_attendus;
    for (int i = 0; i < 150; ++i) {
        const QString base = QStringLiteral("Eleve%1_X").arg(i, 3, 10, QLatin1Char('0'));
        if (i % 7 == 3) {
            ecole.ajoute(QStringLiteral("61"), base, {});
            ignores_attendus << base + QStringLiteral(" : pas d'historique");
        } else if (i % 11 == 5) {
            ecole.ajoute(QStringLiteral("61"), base, historique_test(10));
            // A folder where the history should be: there, but unreadable.
            const QString historique
                = ecole.dossier_etablissement() + QLatin1Char('/') + base + QStringLiteral(".txt");
            ASSERT_TRUE(QFile::remove(historique) && QDir().mkpath(historique));
            ignores_attendus << phrase_historique_illisible(base);
        } else {
            ecole.ajoute(QStringLiteral("61"), base, historique_test(1 + i % 64));
            attendus << base.left(8).toUpper();
        }
    }
    const BilansExportes b
        = bilans(classe(QStringLiteral("61")), QStringLiteral("\t61"), QStringLiteral("Total"));
    QStringList noms;
    for (const DonneesBilan& d : b.bilans)
        noms << d.nom.toUpper();
    EXPECT_EQ(noms, attendus);
    EXPECT_EQ(b.ignores, ignores_attendus);

    DocumentPdf un_coeur(horloge);
    prepare_document_bilans(un_coeur, {});
    for (const DonneesBilan& d : b.bilans) {
        un_coeur.NewPage();
        bilan_pdf(un_coeur, d);
    }
    un_coeur.EndDoc();
    const QString pdf = ecole.m_dossier.chemin(QStringLiteral("Classe de 61.pdf"));
    ASSERT_TRUE(ecrit_bilans_pdf(b.bilans, pdf, horloge));
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == un_coeur.octets());
}

} // namespace
