#include "reports/bilan_impression.h"
#include "reports/exemples_bilan.h"
#include "reports/outils_pdf.h"
#include "support/dossier_test.h"

#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString imprime_en_pdf(const DossierTest& dossier, const QVector<DonneesBilan>& bilans, bool* ok = nullptr)
{
    const QString chemin = dossier.chemin(QStringLiteral("imprime.pdf"));
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    const bool reussi = imprime_bilans(imprimante, bilans);
    if (ok)
        *ok = reussi;
    return chemin;
}

// Share of dark pixels in a rectangle of the picture.
double noirceur(const QImage& image, const QRect& zone)
{
    int sombres = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++sombres;
    return static_cast<double>(sombres) / (zone.width() * zone.height());
}

} // namespace

TEST(ImpressionBilan, une_page_par_eleve_dans_l_ordre_lisible_par_les_outils)
{
    DossierTest dossier;
    DonneesBilan premier = donnees_bilan(enregistrements_tables());
    DonneesBilan second = donnees_bilan(enregistrements_tables(6, 7), {});
    second.nom = QStringLiteral("Martin");
    second.prenom = QStringLiteral("Léo");
    bool ok = false;
    const QString chemin = imprime_en_pdf(dossier, {premier, second}, &ok);
    ASSERT_TRUE(ok);

    const SortieOutil info = lance_outil(QStringLiteral("pdfinfo"), {chemin});
    EXPECT_TRUE(info.sortie.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))))
        << info.sortie.toStdString();
    const QString texte = texte_du_pdf(chemin);
    const int dupont = texte.indexOf(QStringLiteral("DUPONT Marie"));
    const int martin = texte.indexOf(QStringLiteral("MARTIN Léo"));
    EXPECT_GE(dupont, 0) << texte.toStdString();
    EXPECT_GT(martin, dupont);
    EXPECT_GT(texte.indexOf(QStringLiteral("Résumé:")), dupont);
    EXPECT_GT(texte.indexOf(QStringLiteral("soit 25% de toutes les tables.")), martin);
    EXPECT_GE(texte.indexOf(QStringLiteral("Bilan établi avec Tabrix")), 0);
    // Home mode: the second page names neither class nor school.
    EXPECT_EQ(texte.mid(martin).indexOf(QStringLiteral("Classe de")), -1);
}

TEST(ImpressionBilan, cases_blanches_grises_et_noires_selon_les_reponses)
{
    // 2 × 2 passed, 3 × 2 slow, 4 × 2 right and fast.
    const QString enr
        = enregistrement(2, 2, 80, 0) + enregistrement(3, 2, 60, 6) + enregistrement(4, 2, 20, 8);
    const QImage image = image_bilan(donnees_bilan(enr));
    ASSERT_EQ(image.size(), QSize(1801, 2801));
    EXPECT_GT(noirceur(image, QRect(20, 430, 120, 20)), 0.95); // black cell
    EXPECT_EQ(QColor(image.pixel(30, 445 + 100 * 0 + 100)), QColor(Qt::white)); // 2 × 3 untested
    EXPECT_EQ(QColor(image.pixel(240, 440)), QColor(192, 192, 192)); // slow: silver
    EXPECT_LT(noirceur(image, QRect(460, 430, 120, 20)), 0.05); // fast: white
    // The untested feet keep an empty box: nothing is written under the columns of tables 5 to 9.
    EXPECT_LT(noirceur(image, QRect(225 * 4 + 60, 1300, 100, 30)), 0.01);
}
