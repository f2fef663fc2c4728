#include "ui/apparence.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

double luminance(const QColor& c)
{
    const auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// The WCAG contrast ratio, from 1 (same colour) to 21 (black on white).
double contraste(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Paire
{
    QPalette::ColorRole texte, fond;
};

const Paire paires[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::Text, QPalette::AlternateBase},
    {QPalette::ButtonText, QPalette::Button},
    {QPalette::HighlightedText, QPalette::Highlight},
    {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::PlaceholderText, QPalette::Base},
};

} // namespace

TEST(Apparence, chaque_texte_se_lit_sur_son_fond_et_un_controle_inactif_se_voit_sans_se_confondre)
{
    const QPalette p = palette_tabrix();
    for (const Paire& paire : paires) {
        for (const auto groupe : {QPalette::Active, QPalette::Inactive}) {
            const double c = contraste(p.color(groupe, paire.texte), p.color(groupe, paire.fond));
            // Placeholders are hints, not content: the lower bar of large text is enough.
            EXPECT_GE(c, paire.texte == QPalette::PlaceholderText ? 4.5 : 7.0)
                << paire.texte << " sur " << paire.fond << " (groupe " << groupe << ")";
        }
    }
    for (const Paire& paire : {paires[0], paires[1], paires[3]}) {
        const double inactif
            = contraste(p.color(QPalette::Disabled, paire.texte), p.color(QPalette::Disabled, paire.fond));
        EXPECT_GE(inactif, 2.5) << paire.texte;
        EXPECT_LT(inactif, contraste(p.color(paire.texte), p.color(paire.fond)) / 2) << paire.texte;
    }
}

TEST(Apparence, un_bureau_sombre_a_grande_police_ne_change_rien_aux_controles)
{
    // What a dark desktop theme with a large font hands the application before it sets its own look.
    QPalette sombre(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    sombre.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    sombre.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(sombre);
    QFont grande(QStringLiteral("DejaVu Sans"));
    grande.setPointSize(20);
    QApplication::setFont(grande);

    applique_apparence(*qApp);
    QWidget fenetre;
    auto* bouton = new QToolButton(&fenetre);
    bouton->setText(QStringLiteral("Tables classiques"));
    auto* etiquette = new QLabel(QStringLiteral("Trous seulement"), &fenetre);
    const QPalette attendue = palette_tabrix();
    for (QWidget* w : {static_cast<QWidget*>(bouton), static_cast<QWidget*>(etiquette)}) {
        EXPECT_EQ(w->palette().color(QPalette::ButtonText), attendue.color(QPalette::ButtonText));
        EXPECT_EQ(w->palette().color(QPalette::WindowText), attendue.color(QPalette::WindowText));
        EXPECT_EQ(w->font().pixelSize(), police_tabrix().pixelSize());
    }
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    // The caption the dashboard's fixed 132-pixel button holds whole.
    EXPECT_LE(bouton->fontMetrics().horizontalAdvance(bouton->text()), 132 - 8);
}
