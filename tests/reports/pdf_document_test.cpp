#include "reports/outils_pdf.h"
#include "reports/pdf_document.h"
#include "support/dossier_test.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const HorlogeManuelle horloge(QDateTime(QDate(2024, 12, 3), QTime(14, 2, 10)));

QByteArray document(int pages, int largeur = 612, int hauteur = 792)
{
    DocumentPdf doc(horloge);
    doc.fixe_page(largeur, hauteur);
    doc.BeginDoc();
    for (int k = 1; k <= pages; ++k) {
        if (k > 1)
            doc.NewPage();
        doc.fixe_police(9);
        doc.fixe_taille(30);
        doc.texte(100, 100, QStringLiteral("Page %1").arg(k));
    }
    doc.EndDoc();
    return doc.octets();
}

QList<QByteArray> lignes(const QByteArray& octets)
{
    return octets.split('\n');
}

// The cross-reference entries, each checked to point at its own "N 0 obj" line.
int verifie_table(const QByteArray& pdf)
{
    const int xref = pdf.lastIndexOf("\r\nxref\r\n") + 2;
    const QList<QByteArray> apres = pdf.mid(xref).split('\n');
    const int taille = apres[1].trimmed().split(' ')[1].toInt();
    EXPECT_EQ(apres[2], QByteArray("0000000000 65535 f\r"));
    int position = xref + apres[0].size() + apres[1].size() + apres[2].size() + 3;
    for (int n = 1; n < taille; ++n) {
        const QByteArray entree = pdf.mid(position, 20);
        EXPECT_TRUE(entree.endsWith(" 00000 n\r\n")) << entree.constData();
        const int decalage = entree.left(10).toInt();
        EXPECT_TRUE(pdf.mid(decalage).startsWith(QByteArray::number(n) + " 0 obj\r\n")) << "objet " << n;
        position += 20;
    }
    EXPECT_TRUE(pdf.mid(position).startsWith("trailer\r\n"));
    const QRegularExpression startxref(QStringLiteral("startxref\r\n(\\d+)\r\n%%EOF\r\n$"));
    const auto m = startxref.match(QString::fromLatin1(pdf));
    EXPECT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1).toInt(), xref);
    return taille;
}

QByteArray objet(const QByteArray& pdf, int n)
{
    const int debut = pdf.indexOf("\n" + QByteArray::number(n) + " 0 obj\r\n") + 1;
    return pdf.mid(debut, pdf.indexOf("endobj\r\n", debut) + 8 - debut);
}

} // namespace

TEST(DocumentPdf, une_page_tient_en_22_objets_et_une_table_de_23_entrees_de_20_octets)
{
    const QByteArray pdf = document(1);
    EXPECT_TRUE(pdf.startsWith("%PDF-1.4\r\n1 0 obj\r\n<<\r\n/Producer (Tabrix)\r\n"));
    EXPECT_EQ(verifie_table(pdf), 23);
    EXPECT_TRUE(objet(pdf, 1).contains("/CreationDate (D:20241203140210)\r\n/Creator (Tabrix)\r\n"));
    EXPECT_EQ(objet(pdf, 4), "4 0 obj\r\n<< /Type /Outlines\r\n/Count 0\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(objet(pdf, 5),
        "5 0 obj\r\n<< /Type /Font\r\n/Subtype /Type1\r\n/Name /F1\r\n/BaseFont /Helvetica\r\n"
        "/Encoding /WinAnsiEncoding\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(objet(pdf, 18).contains("/Name /F14\r\n/BaseFont /ZapfDingbats\r\n"));
    EXPECT_EQ(objet(pdf, 21),
        "21 0 obj\r\n<< /Type /Page\r\n/Parent 19 0 R\r\n/MediaBox [ 0 0 612 792]\r\n/Contents 2 0 R\r\n"
        "/Resources 20 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(objet(pdf, 22),
        "22 0 obj\r\n<< /Type /Catalog\r\n/Pages 19 0 R\r\n/Outlines 4 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(pdf.contains("trailer\r\n<< /Size 23\r\n/Root 22 0 R\r\n/Info 1 0 R\r\n>>\r\nstartxref\r\n"));
    EXPECT_TRUE(objet(pdf, 20).contains("/F1 5 0 R \r\n/F2 6 0 R \r\n"));
    EXPECT_TRUE(objet(pdf, 20).startsWith(
        "20 0 obj\r\n<< /ProcSet [ /PDF /Text /ImageC]\r\n/XObject << \r\n>>\r\n/Font << \r\n"));
    EXPECT_TRUE(objet(pdf, 20).endsWith("/F14 18 0 R \r\n>>\r\n>>\r\nendobj\r\n"));
}

TEST(DocumentPdf, trois_pages_numerotent_contenus_longueurs_polices_arbre_et_pages)
{
    const QByteArray pdf = document(3);
    EXPECT_EQ(verifie_table(pdf), 29);
    for (int k = 1; k <= 3; ++k) {
        const QByteArray contenu = objet(pdf, 2 * k);
        EXPECT_TRUE(
            contenu.contains("<< /Length " + QByteArray::number(2 * k + 1) + " 0 R >>\r\nstream\r\n"));
        // The length object holds the exact number of bytes between "stream" CR LF and "endstream".
        const int debut = contenu.indexOf("stream\r\n") + 8;
        const int longueur = contenu.indexOf("endstream\r\n") - debut;
        EXPECT_EQ(objet(pdf, 2 * k + 1),
            QByteArray::number(2 * k + 1) + " 0 obj\r\n" + QByteArray::number(longueur) + "\r\nendobj\r\n");
        EXPECT_TRUE(contenu.contains("(Page " + QByteArray::number(k) + ") Tj"));
        EXPECT_TRUE(objet(pdf, 24 + k).contains("/Contents " + QByteArray::number(2 * k) + " 0 R\r\n"));
        EXPECT_TRUE(objet(pdf, 24 + k).contains("/Parent 23 0 R\r\n"));
    }
    EXPECT_TRUE(objet(pdf, 8).contains("/Type /Outlines"));
    EXPECT_TRUE(objet(pdf, 9).contains("/BaseFont /Helvetica\r\n"));
    EXPECT_TRUE(objet(pdf, 22).contains("/BaseFont /ZapfDingbats\r\n"));
    EXPECT_EQ(objet(pdf, 23),
        "23 0 obj\r\n<< /Type /Pages\r\n/Kids [\r\n25 0 R\r\n26 0 R\r\n27 0 R\r\n]\r\n/Count "
        "3\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(objet(pdf, 24).contains("/F1 9 0 R \r\n"));
    EXPECT_TRUE(objet(pdf, 28).contains("/Pages 23 0 R\r\n/Outlines 8 0 R\r\n"));
    EXPECT_TRUE(pdf.contains("/Root 28 0 R\r\n"));
}

// A document of some megabytes handed over as it is made: its pieces make the bytes of the same document
// kept whole, offsets included; once a piece is refused, nothing more is handed over and the end says so.
TEST(DocumentPdf, ecrit_au_fil_donne_en_morceaux_les_octets_du_document_entier)
{
    const auto dessine = [](DocumentPdf& doc) {
        doc.fixe_page(2001, 3112);
        doc.BeginDoc();
        for (int k = 1; k <= 40; ++k) {
            if (k > 1)
                doc.NewPage();
            for (int i = 0; i < 1500; ++i)
                doc.texte(i, k, QStringLiteral("Élève %1 de la page %2").arg(i).arg(k));
        }
    };
    DocumentPdf entier(horloge);
    dessine(entier);
    ASSERT_TRUE(entier.termine());
    ASSERT_GT(entier.octets().size(), 2 << 20);

    for (const int refus : {0, 2}) {
        SCOPED_TRACE(refus);
        QByteArray recus;
        int morceaux = 0;
        DocumentPdf au_fil(horloge);
        au_fil.ecrit_au_fil([&](QByteArrayView morceau) {
            recus += morceau;
            return ++morceaux != refus;
        });
        dessine(au_fil);
        EXPECT_EQ(au_fil.termine(), refus == 0);
        if (refus) {
            EXPECT_EQ(morceaux, refus);
            continue;
        }
        EXPECT_GE(morceaux, 2);
        EXPECT_TRUE(recus == entier.octets());
        EXPECT_EQ(verifie_table(recus), 3 * 40 + 20);
    }
}

TEST(DocumentPdf, chaque_ligne_finit_par_cr_lf)
{
    const QList<QByteArray> l = lignes(document(2));
    ASSERT_GT(l.size(), 100);
    EXPECT_TRUE(l.last().isEmpty());
    for (int i = 0; i + 1 < l.size(); ++i)
        EXPECT_TRUE(l[i].endsWith('\r')) << i;
}

TEST(DocumentPdf, couleurs_en_millièmes_tronques)
{
    EXPECT_EQ(DocumentPdf::composante(0), "0");
    EXPECT_EQ(DocumentPdf::composante(1), "0.003");
    EXPECT_EQ(DocumentPdf::composante(3), "0.011");
    EXPECT_EQ(DocumentPdf::composante(128), "0.501");
    EXPECT_EQ(DocumentPdf::composante(192), "0.752");
    EXPECT_EQ(DocumentPdf::composante(255), "1");

    DocumentPdf doc(horloge);
    doc.BeginDoc();
    doc.couleur_remplissage(192, 192, 192);
    doc.couleur_trait(0, 0, 0);
    doc.EndDoc();
    EXPECT_TRUE(objet(doc.octets(), 2).contains("stream\r\n0.752 0.752 0.752 rg\r\n0 0 0 RG\r\nendstream"));
}

TEST(DocumentPdf, traits_rectangles_et_texte_en_coordonnees_retournees)
{
    DocumentPdf doc(horloge);
    doc.fixe_page(2001, 3112);
    doc.BeginDoc();
    doc.fixe_police(9);
    doc.fixe_taille(53);
    doc.texte(100, 300, QStringLiteral("Tables de multiplication"));
    doc.fixe_epaisseur(2);
    doc.ligne(10, 20, 30, 40);
    doc.fixe_epaisseur(1);
    doc.rectangle(1, 2, 3, 4);
    doc.rectangle_plein(10, 20, 110, 70);
    doc.rectangle_plein(10.5, 20, 110.25, 70);
    doc.EndDoc();
    const QByteArray attendu = "stream\r\n"
                               "BT\r\n/F10 53 Tf\r\n100 2812 Td\r\n(Tables de multiplication) Tj\r\nET\r\n"
                               "10 3092 m\r\n30 3072 l\r\n2 w\r\nS\r\n"
                               "1 3110 m\r\n1 3108 l\r\n1 w\r\nS\r\n"
                               "1 3108 m\r\n3 3108 l\r\n1 w\r\nS\r\n"
                               "3 3108 m\r\n3 3110 l\r\n1 w\r\nS\r\n"
                               "3 3110 m\r\n1 3110 l\r\n1 w\r\nS\r\n"
                               "10 3042 100 50 re f\r\n"
                               "10.5 3042 99.8 50 re f\r\n"
                               "endstream";
    EXPECT_TRUE(objet(doc.octets(), 2).contains(attendu)) << objet(doc.octets(), 2).constData();
    EXPECT_TRUE(objet(doc.octets(), 21).contains("/MediaBox [ 0 0 2001 3112]"));
}

TEST(DocumentPdf, un_texte_ne_peut_pas_casser_le_fichier)
{
    EXPECT_EQ(DocumentPdf::chaine_pdf(QStringLiteral("(et après!)")), "\\(et apr\xE8s!\\)");
    EXPECT_EQ(DocumentPdf::chaine_pdf(QStringLiteral("C:\\eleves")), "C:\\\\eleves");
    EXPECT_EQ(DocumentPdf::chaine_pdf(QStringLiteral("5 €, Œuvre")), "5 \x80, \x8Cuvre");
    // Outside Windows-1252, and line breaks that would split the operator's line.
    EXPECT_EQ(DocumentPdf::chaine_pdf(QStringLiteral("α→\r\nz")), "??  z");
    EXPECT_EQ(DocumentPdf::chaine_pdf(QStringLiteral("a\tb")), "a b");
}

TEST(DocumentPdf, rien_n_est_dessine_hors_d_une_page_et_une_page_commence_le_document)
{
    DocumentPdf doc(horloge);
    doc.ligne(0, 0, 1, 1);
    EXPECT_FALSE(doc.page_ouverte());
    EXPECT_FALSE(doc.EndDoc());
    doc.NewPage();
    EXPECT_TRUE(doc.page_ouverte());
    EXPECT_EQ(doc.nombre_pages(), 1);
    doc.EndDoc();
    EXPECT_EQ(verifie_table(doc.octets()), 23);
    doc.texte(1, 1, QStringLiteral("après la fin"));
    EXPECT_FALSE(doc.octets().contains("la fin"));
}

TEST(DocumentPdf, ecrit_le_fichier_et_dit_quand_il_ne_peut_pas)
{
    DossierTest dossier;
    DocumentPdf doc(horloge);
    doc.fixe_nom_fichier(dossier.chemin(QStringLiteral("bilan.pdf")));
    doc.BeginDoc();
    ASSERT_TRUE(doc.EndDoc());
    QFile f(dossier.chemin(QStringLiteral("bilan.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), doc.octets());

    doc.fixe_nom_fichier(dossier.chemin(QStringLiteral("absent/bilan.pdf")));
    doc.BeginDoc();
    const Ecriture e = doc.EndDoc();
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.erreur.isEmpty());
}

TEST(DocumentPdf, les_outils_pdf_lisent_le_document_sans_remarque)
{
    DossierTest dossier;
    const QString chemin = dossier.chemin(QStringLiteral("trois.pdf"));
    DocumentPdf doc(horloge);
    doc.fixe_page(2001, 3112);
    doc.fixe_nom_fichier(chemin);
    doc.informations().titre = QStringLiteral("généré automatiquement par \"Tabrix\" (essai)");
    doc.BeginDoc();
    for (int k = 1; k <= 3; ++k) {
        if (k > 1)
            doc.NewPage();
        for (int police = 0; police < 12; ++police) {
            doc.fixe_police(police);
            doc.fixe_taille(40);
            doc.texte(100, 200 + 60 * police, QStringLiteral("Élève %1 (page %2) \\ ×").arg(police).arg(k));
        }
        doc.couleur_remplissage(192, 192, 192);
        doc.rectangle_plein(100, 1000, 400, 1200);
        doc.rectangle(100, 1000, 400, 1200);
    }
    ASSERT_TRUE(doc.EndDoc());

    const SortieOutil qpdf = lance_outil(QStringLiteral("qpdf"), {QStringLiteral("--check"), chemin});
    EXPECT_EQ(qpdf.statut, 0) << qpdf.sortie.toStdString() << qpdf.erreurs.toStdString();
    EXPECT_FALSE(qpdf.sortie.contains(QLatin1String("WARNING"))) << qpdf.sortie.toStdString();
    EXPECT_TRUE(qpdf.erreurs.isEmpty()) << qpdf.erreurs.toStdString();

    const SortieOutil info = lance_outil(QStringLiteral("pdfinfo"), {chemin});
    EXPECT_EQ(info.statut, 0);
    EXPECT_TRUE(info.erreurs.isEmpty()) << info.erreurs.toStdString();
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\n"))));
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Page size:\\s+2001 x 3112 pts"))));
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("PDF version:\\s+1.4\n"))));

    const QString texte = texte_du_pdf(chemin);
    EXPECT_TRUE(texte.contains(QStringLiteral("Élève 8 (page 3) \\ ×"))) << texte.toStdString();
}

TEST(DocumentPdf, reproduit_octet_pour_octet_le_document_de_reference)
{
    DocumentPdf d(horloge);
    d.fixe_page(2001, 3112);
    d.informations().titre = QStringLiteral("généré automatiquement par \"Tabrix\"");
    d.BeginDoc();
    d.fixe_epaisseur(1);
    d.couleur_trait(0, 0, 0);
    d.ligne(111, 592, 1911, 592);
    d.couleur_remplissage(192, 192, 192);
    d.rectangle_plein(112, 593, 335, 691);
    d.couleur_remplissage(0, 0, 0);
    d.fixe_police(9);
    d.fixe_taille(53);
    d.texte(731, 220, QStringLiteral("Tables de multiplication"));
    d.EndDoc();

    QFile reference(QStringLiteral(DOSSIER_DONNEES "/reports/une_page.pdf"));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    EXPECT_EQ(d.octets(), reference.readAll());
}
