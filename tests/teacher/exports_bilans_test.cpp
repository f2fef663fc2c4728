#include "core/horloge.h"
#include "reports/outils_pdf.h"
#include "storage/historique_exemples.h"
#include "teacher/ecole_stats.h"
#include "teacher/regles_exports.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class ExportsBilans : public ::testing::Test
{
protected:
    ExportsBilans()
    {
        contexte.date = QStringLiteral("31/12/2024");
        contexte.etablissement = QStringLiteral("Collège Jean Moulin");
        contexte.dossier_etablissement = ecole.dossier_etablissement();
    }
    QString classe(const QString& nom) const { return ecole.dossier_annee() + QLatin1Char('/') + nom; }
    QString historique(const QString& base) const
    {
        return ecole.dossier_etablissement() + QLatin1Char('/') + base + QStringLiteral(".txt");
    }

    EcoleStats ecole;
    ContexteExport contexte;
    HorlogeManuelle horloge;
    DossierTest sortie;
};

TEST_F(ExportsBilans, classe_de_trois_eleves_en_trois_pages_par_ordre_alphabetique)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("martin_Zoé"), historique_test(reponses_score(64)));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(reponses_score(40)));
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Bernard_Léo"), historique_test(reponses_score(20)));
    const BilansExportes b
        = bilans_du_noeud({classe(QStringLiteral("61")), QStringLiteral("61: 3 élèves.........66%"),
                              QStringLiteral("Total: 3 élèves")},
            contexte);
    ASSERT_EQ(b.bilans.size(), 3);
    EXPECT_EQ(b.nom_propose, QStringLiteral("Classe de 61"));
    EXPECT_EQ(b.bilans[0].nom, QStringLiteral("Bernard"));
    EXPECT_EQ(b.bilans[2].prenom, QStringLiteral("Zoé"));
    EXPECT_EQ(b.bilans[1].classe, QStringLiteral("61"));
    EXPECT_EQ(b.bilans[1].titre_date, QStringLiteral("Mardi 03/12/2024"));

    const QString pdf = sortie.chemin(QStringLiteral("Classe de 61.pdf"));
    ASSERT_TRUE(ecrit_bilans_pdf(b.bilans, pdf, horloge));
    EXPECT_EQ(lance_outil(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).statut, 0);
    const SortieOutil info = lance_outil(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))))
        << info.sortie.toStdString();
    EXPECT_TRUE(info.sortie.contains(QStringLiteral("généré automatiquement par \"Tabrix\"")));
    const QString texte = texte_du_pdf(pdf);
    const qsizetype bernard = texte.indexOf(QStringLiteral("BERNARD")),
                    dupont = texte.indexOf(QStringLiteral("DUPONT")),
                    martin = texte.indexOf(QStringLiteral("MARTIN"));
    EXPECT_TRUE(bernard >= 0 && bernard < dupont && dupont < martin) << texte.left(300).toStdString();
}

TEST_F(ExportsBilans, eleve_seul_et_noeuds_sans_export)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(reponses_score(40)));
    NoeudExporte eleve {historique(QStringLiteral("Dupont_Marie")), QStringLiteral("Dupont Marie.......62"),
        QStringLiteral("61: 1 élève..........62%")};
    BilansExportes b = bilans_du_noeud(eleve, contexte);
    ASSERT_EQ(b.bilans.size(), 1);
    EXPECT_EQ(b.nom_propose, QStringLiteral("Dupont_Marie"));
    EXPECT_EQ(b.bilans[0].classe, QStringLiteral("61"));
    eleve.hors_classe = true;
    EXPECT_EQ(bilans_du_noeud(eleve, contexte).bilans[0].classe, QString());

    for (const NoeudExporte& rien :
        {NoeudExporte {QStringLiteral(" "), QStringLiteral("Total: 1 élève le …"), {}}, NoeudExporte {},
            NoeudExporte {ecole.dossier_etablissement(), QStringLiteral("1 élève: score"), {}}})
        EXPECT_FALSE(bilans_du_noeud(rien, contexte).noeud_exportable) << rien.texte.toStdString();
}

TEST_F(ExportsBilans, eleves_sans_bilan_nommes)
{
    QString carres;
    for (int a = 11; a <= 19; ++a)
        carres += enregistrement_reponse(QStringLiteral("%1%1").arg(a), 20, a * a);
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("A_sans_fichier"), std::nullopt);
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("B_plus_tard"),
        historique_test(reponses_score(64), QStringLiteral("02/01/2025")));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("C_carres"), historique_test(carres));
    ecole.ajoute(QStringLiteral("62"), QStringLiteral("D_ok"), historique_test(reponses_score(64)));
    const BilansExportes b = bilans_du_noeud(
        {classe(QStringLiteral("62")), QStringLiteral("62: 4 élèves"), QStringLiteral("x")}, contexte);
    ASSERT_EQ(b.bilans.size(), 1);
    ASSERT_EQ(b.ignores.size(), 3);
    EXPECT_TRUE(b.ignores[0].startsWith(QStringLiteral("A_sans_fichier : pas d'historique")));
    EXPECT_TRUE(b.ignores[1].contains(QStringLiteral("pas de test retenu")));
    EXPECT_TRUE(b.ignores[2].contains(QStringLiteral("tables de 2 à 9")));
    EXPECT_TRUE(message_ignores(b.ignores).startsWith(QStringLiteral("3 élèves n'ont pas de bilan")));
}

TEST_F(ExportsBilans, document_impossible_a_ecrire_ne_laisse_rien)
{
    ecole.ajoute(QStringLiteral("61"), QStringLiteral("Dupont_Marie"), historique_test(reponses_score(40)));
    const BilansExportes b = bilans_du_noeud(
        {historique(QStringLiteral("Dupont_Marie")), QStringLiteral("x"), QStringLiteral("61: 1 élève")},
        contexte);
    ASSERT_TRUE(ecrit_lignes(sortie.chemin(QStringLiteral("fichier")), {QStringLiteral("x")}));
    const QString impossible = sortie.chemin(QStringLiteral("fichier/bilans.pdf"));
    const Ecriture e = ecrit_bilans_pdf(b.bilans, impossible, horloge);
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(impossible));
}

TEST(DossierExports, stats_quand_il_existe)
{
    DossierTest d;
    EXPECT_EQ(dossier_des_exports(d.chemin() + QLatin1Char('/')), d.chemin());
    d.cree(QStringLiteral("stats"));
    EXPECT_EQ(dossier_des_exports(d.chemin() + QLatin1Char('/')), d.chemin(QStringLiteral("stats")));
}

} // namespace
