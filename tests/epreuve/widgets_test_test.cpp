#include "ui/afficheur_led.h"
#include "ui/boite_message.h"
#include "ui/champ_reponse.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Key presses carrying these characters, as a French keyboard sends them (QTest only types ASCII).
void tape(QWidget* champ, const QString& touches)
{
    for (QChar c : touches) {
        QKeyEvent appui(QEvent::KeyPress, c.unicode() < 128 ? int(c.toUpper().unicode()) : Qt::Key_unknown,
            Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(champ, &appui);
    }
}

} // namespace

TEST(ChampReponse, accepte_les_chiffres_du_clavier_francais_et_du_pave)
{
    ChampReponse champ;
    champ.fixe_chiffres(4);
    tape(&champ, QStringLiteral("&é\"'"));
    EXPECT_EQ(champ.text(), QStringLiteral("1234"));
    champ.clear();
    tape(&champ, QStringLiteral("(-è_"));
    EXPECT_EQ(champ.text(), QStringLiteral("5678"));
    champ.clear();
    tape(&champ, QStringLiteral("çàa+9"));
    EXPECT_EQ(champ.text(), QStringLiteral("909"));
    champ.clear();
    QTest::keyClick(&champ, Qt::Key_Home, Qt::KeypadModifier);
    QTest::keyClick(&champ, Qt::Key_Insert, Qt::KeypadModifier);
    EXPECT_EQ(champ.text(), QStringLiteral("70"));
}

TEST(ChampReponse, s_arrete_au_nombre_de_chiffres_du_produit)
{
    ChampReponse champ;
    champ.fixe_chiffres(1);
    QSignalSpy changes(&champ, &QLineEdit::textChanged);
    QTest::keyClicks(&champ, QStringLiteral("63"));
    EXPECT_EQ(champ.text(), QStringLiteral("6"));
    EXPECT_EQ(changes.size(), 1);
    QTest::keyClick(&champ, Qt::Key_Backspace);
    EXPECT_EQ(champ.text(), QString());
}

TEST(AfficheurLed, montre_les_deux_derniers_chiffres)
{
    AfficheurLed led;
    led.affiche(7);
    EXPECT_EQ(led.valeur(), 7);
    led.affiche(123);
    EXPECT_EQ(led.valeur(), 23);
    EXPECT_EQ(AfficheurLed::segments(8), 0x7F);
    EXPECT_EQ(AfficheurLed::segments(1), 0x06);
}

TEST(BoiteMessage, un_autre_texte_ferme_la_boite_et_le_dit)
{
    Tboite_message boite;
    boite.prepare(QStringLiteral("Dépassement du temps de réponse"), QStringLiteral("Trop long!"),
        QStringLiteral("OK"));
    QSignalSpy fermee(&boite, &Tboite_message::fermee);
    boite.montre();
    // No title bar of the window manager to drag it by: the box draws its title strip itself.
    EXPECT_TRUE(boite.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QColor bandeau = boite.grab().toImage().pixelColor(3, 10);
    EXPECT_TRUE(bandeau.red() < 40 && bandeau.blue() > 100) << bandeau.name().toStdString();
    QTest::mouseClick(boite.findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);
    EXPECT_FALSE(boite.isVisible());
    ASSERT_EQ(fermee.size(), 1);
    EXPECT_EQ(fermee[0][1].toString(), QStringLiteral("Trop long!"));
}
