#include "ui/texte_lu.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

constexpr QChar objet = QChar::ObjectReplacementCharacter;

} // namespace

TEST(TexteLu, chaque_image_se_lit_par_son_texte_de_remplacement)
{
    const struct
    {
        const char* html;
        QString lu;
    } cas[] = {
        {"<p>A <img src=\"x:\" alt=\"Graphique : 85 %\"/> B</p>", QStringLiteral("A Graphique : 85 % B")},
        {"<p><img src=\"x:\" alt=\" \"/> Test du Lundi</p><p>fin</p>", QStringLiteral(" Test du Lundi\nfin")},
        {"<p>avant <img src=\"x:\"/></p>", QStringLiteral("avant ") + objet}, // no alt: the reader meets it
        {"<p>sans image</p>", QStringLiteral("sans image")},
    };
    for (const auto& c : cas) {
        QTextDocument d;
        d.setHtml(QString::fromUtf8(c.html));
        const TexteLu l = texte_lu(d);
        EXPECT_EQ(l.texte.toStdString(), c.lu.toStdString()) << c.html;
        ASSERT_EQ(l.positions.size(), l.texte.size() + 1) << c.html;
        EXPECT_TRUE(std::is_sorted(l.positions.cbegin(), l.positions.cend())) << c.html;
    }
}

TEST(TexteLu, les_positions_du_document_et_du_texte_lu_se_correspondent)
{
    QTextDocument d;
    d.setHtml(QStringLiteral("<p>ab<img src=\"x:\" alt=\"XYZ\"/>cd</p>"));
    const TexteLu l = texte_lu(d);
    ASSERT_EQ(l.texte, QStringLiteral("abXYZcd"));
    // Document: a=0 b=1 image=2 c=3 d=4.
    EXPECT_EQ(l.decalage(0), 0);
    EXPECT_EQ(l.decalage(2), 2); // the picture starts its text
    EXPECT_EQ(l.decalage(3), 5);
    EXPECT_EQ(l.decalage(5), 7); // the end
    EXPECT_EQ(l.positions[3], 2);
    EXPECT_EQ(l.positions[5], 3);
}
