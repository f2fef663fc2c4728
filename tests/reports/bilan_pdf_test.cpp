#include "reports/exemples_bilan.h"
#include "reports/outils_pdf.h"
#include "reports/pdf_bilan.h"
#include "reports/pdf_metriques.h"
#include "support/dossier_test.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const HorlogeManuelle horloge;

QByteArray un_bilan(const DonneesBilan& d, const QString& fichier = {})
{
    DocumentPdf doc(horloge);
    prepare_document_bilans(doc, fichier);
    doc.BeginDoc();
    bilan_pdf(doc, d);
    doc.EndDoc();
    return doc.octets();
}

// Each BT … ET block of the content: font, size, x, baseline and text.
struct TextePose
{
    int police;
    int taille;
    int x;
    int y;
    QString texte;
};

QList<TextePose> textes_poses(const QByteArray& pdf)
{
    QList<TextePose> liste;
    static const QRegularExpression bloc(
        QStringLiteral("BT\r\n/F(\\d+) (\\d+) Tf\r\n(-?\\d+) (-?\\d+) Td\r\n\\((.*)\\) Tj\r\nET\r\n"));
    const QString texte = QString::fromLatin1(pdf);
    auto it = bloc.globalMatch(texte);
    while (it.hasNext()) {
        const auto m = it.next();
        QString brut = m.captured(5);
        brut.replace(QStringLiteral("\\("), QStringLiteral("("))
            .replace(QStringLiteral("\\)"), QStringLiteral(")"));
        liste << TextePose {m.captured(1).toInt() - 1, m.captured(2).toInt(), m.captured(3).toInt(),
            m.captured(4).toInt(), depuis_cp1252(brut.toLatin1())};
    }
    return liste;
}

} // namespace

TEST(BilanPdf, les_outils_lisent_la_page_et_trouvent_les_textes_dans_l_ordre)
{
    DossierTest dossier;
    const QString chemin = dossier.chemin(QStringLiteral("Dupont_Marie.pdf"));
    const QString enr = enregistrements_tables(2, 9, [](int a, int b) {
        return a == 6 ? enregistrement(a, b, 55, a * b + 2) : enregistrement(a, b, 20, a * b);
    });
    un_bilan(donnees_bilan(enr), chemin);

    const SortieOutil qpdf = lance_outil(QStringLiteral("qpdf"), {QStringLiteral("--check"), chemin});
    EXPECT_EQ(qpdf.statut, 0) << qpdf.sortie.toStdString();
    EXPECT_FALSE(qpdf.sortie.contains(QLatin1String("WARNING")));
    EXPECT_TRUE(qpdf.erreurs.isEmpty()) << qpdf.erreurs.toStdString();

    const SortieOutil info = lance_outil(QStringLiteral("pdfinfo"), {chemin});
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))));
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Page size:\\s+2001 x 3112 pts"))));
    EXPECT_TRUE(info.sortie.contains(QStringLiteral("généré automatiquement par \"Tabrix\"")));

    const SortieOutil rendu = lance_outil(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"), chemin,
            dossier.chemin(QStringLiteral("page"))});
    EXPECT_EQ(rendu.statut, 0);
    EXPECT_TRUE(rendu.erreurs.isEmpty()) << rendu.erreurs.toStdString();
    EXPECT_TRUE(QFileInfo(dossier.chemin(QStringLiteral("page-1.png"))).size() > 10000);

    const QString texte = texte_du_pdf(chemin);
    int position = 0;
    for (const QString& attendu :
        {QStringLiteral("Tables de multiplication"), QStringLiteral("École Jules Ferry"),
            QStringLiteral("DUPONT Marie"), QStringLiteral("Classe de CM1a"),
            QStringLiteral("Test du Mardi 03/12/2024:"), QStringLiteral("6×9........."),
            QStringLiteral("Résumé:"), QStringLiteral("Classement des tables par score:"),
            QStringLiteral("Rapidité: "), QStringLiteral("bonnes réponses par minute)"),
            QStringLiteral("Bilan:"), QStringLiteral("Conseil: "), QStringLiteral("la table de 6"),
            QStringLiteral("au collège (et après!).")}) {
        const int trouve = texte.indexOf(attendu, position);
        EXPECT_GE(trouve, 0) << attendu.toStdString() << "\n" << texte.toStdString();
        if (trouve >= 0)
            position = trouve;
    }
}

TEST(BilanPdf, parentheses_protegees_et_neuf_points_de_conduite)
{
    const QByteArray pdf = un_bilan(donnees_bilan(enregistrements_tables()));
    EXPECT_TRUE(pdf.contains("(\\(30 bonnes r\xE9ponses par minute\\)) Tj"));
    EXPECT_TRUE(pdf.contains("(9\xD7"
                             "9.........) Tj"));
    EXPECT_FALSE(pdf.contains("(9\xD7"
                              "9..........) Tj"));
}

TEST(BilanPdf, dans_les_marges_et_sur_la_page)
{
    // The longest texts: a pupil with long names, every line of a full test, the band legend.
    DonneesBilan d = donnees_bilan(enregistrements_tables(
        2, 9, [](int a, int b) { return enregistrement(a, b, b == 9 ? 999 : 20, b == 8 ? 0 : a * b); }));
    d.nom = QStringLiteral("De La Fontaine-Saint-Exupéry");
    d.prenom = QStringLiteral("Marie-Amélie");
    const QByteArray pdf = un_bilan(d);
    const int mx = 2001 / 18;
    const QList<TextePose> poses = textes_poses(pdf);
    ASSERT_GT(poses.size(), 64 * 3);
    for (const TextePose& t : poses) {
        const double fin = t.x + largeur_texte_pdf(t.police, t.taille, t.texte);
        EXPECT_GE(t.x, mx / 2) << t.texte.toStdString();
        EXPECT_LE(fin, 2001 - mx / 2) << t.texte.toStdString();
        EXPECT_GT(t.y, t.taille) << t.texte.toStdString();
        EXPECT_LT(t.y, 3112) << t.texte.toStdString();
    }
    // The title opens the page in bold serif at 53 points, one margin from the top.
    EXPECT_EQ(poses.first().texte, QStringLiteral("Tables de multiplication"));
    EXPECT_EQ(poses.first().police, 9);
    EXPECT_EQ(poses.first().taille, 53);
    EXPECT_EQ(poses.first().x, mx + 620);
    // The date line sits 410 below the top margin.
    for (const TextePose& t : poses) {
        if (t.texte.startsWith(QStringLiteral("Test du "))) {
            EXPECT_EQ(t.y, 3112 - (3112 / 18 + 410));
        }
    }
}

TEST(BilanPdf, ne_commence_pas_de_page_et_suit_les_pages_du_document)
{
    DocumentPdf doc(horloge);
    prepare_document_bilans(doc, {});
    doc.BeginDoc();
    bilan_pdf(doc, donnees_bilan(enregistrements_tables()));
    doc.NewPage();
    bilan_pdf(doc, donnees_bilan(enregistrements_tables(6, 7), {}));
    doc.EndDoc();
    EXPECT_EQ(doc.nombre_pages(), 2);
    const QByteArray pdf = doc.octets();
    EXPECT_TRUE(pdf.contains("/Kids [\r\n23 0 R\r\n24 0 R\r\n]"));
    EXPECT_EQ(pdf.count("(Tables de multiplication) Tj"), 2);
    EXPECT_EQ(pdf.count("(Classe de CM1a) Tj"), 1);
}
