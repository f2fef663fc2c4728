#include "ui/cadre_focus.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

CadreFocus* cadre()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* c = dynamic_cast<CadreFocus*>(w))
            return c;
    return nullptr;
}

} // namespace

TEST(CadreFocus, le_cadre_entoure_le_controle_qui_a_le_focus_et_le_suit)
{
    CadreFocus::installe();
    QWidget fenetre;
    auto* l = new QVBoxLayout(&fenetre);
    auto* champ = new QLineEdit(&fenetre);
    auto* bouton = new QPushButton(QStringLiteral("OK"), &fenetre);
    l->addWidget(champ);
    l->addWidget(bouton);
    fenetre.show();
    QApplication::setActiveWindow(&fenetre);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));

    for (QWidget* w : {static_cast<QWidget*>(champ), static_cast<QWidget*>(bouton)}) {
        w->setFocus(Qt::TabFocusReason);
        CadreFocus* c = cadre();
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->suivi(), w);
        EXPECT_TRUE(c->isVisible());
        EXPECT_TRUE(c->geometry().contains(w->geometry()));
        EXPECT_FALSE(c->geometry().adjusted(6, 6, -6, -6).contains(w->geometry())); // tight around it
    }
    // It follows the control when it moves, and never stays around a hidden one.
    bouton->move(bouton->pos() + QPoint(20, 0));
    EXPECT_TRUE(cadre()->geometry().contains(bouton->geometry()));
    bouton->hide();
    EXPECT_TRUE(!cadre()->isVisible() || cadre()->suivi() != bouton);
}
