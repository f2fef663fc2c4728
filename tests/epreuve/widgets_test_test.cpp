#include "ui/afficheur_led.h"
#include "ui/boite_message.h"
#include "ui/champ_reponse.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The French map's top row as Qt reports it: the key's code, and what the key types without Shift (Caps Lock
// off, then on as a Linux map gives it), and with Shift (or Caps Lock on a Windows map).
struct ToucheFrancaise
{
    int touche;
    const char16_t* seule;
    const char16_t* verrouillee;
    int touche_chiffre;
    char chiffre;
};
constexpr ToucheFrancaise rangee_du_haut[] = {
    {Qt::Key_Ampersand, u"&", u"&", Qt::Key_1, '1'},
    {Qt::Key_Eacute, u"é", u"É", Qt::Key_2, '2'},
    {Qt::Key_QuoteDbl, u"\"", u"\"", Qt::Key_3, '3'},
    {Qt::Key_Apostrophe, u"'", u"'", Qt::Key_4, '4'},
    {Qt::Key_ParenLeft, u"(", u"(", Qt::Key_5, '5'},
    {Qt::Key_Minus, u"-", u"-", Qt::Key_6, '6'},
    {Qt::Key_Egrave, u"è", u"È", Qt::Key_7, '7'},
    {Qt::Key_Underscore, u"_", u"_", Qt::Key_8, '8'},
    {Qt::Key_Ccedilla, u"ç", u"Ç", Qt::Key_9, '9'},
    {Qt::Key_Agrave, u"à", u"À", Qt::Key_0, '0'},
};

void appuie(QWidget* champ, int touche, const QString& texte, Qt::KeyboardModifiers modificateurs = {})
{
    QKeyEvent appui(QEvent::KeyPress, touche, modificateurs, texte);
    QCoreApplication::sendEvent(champ, &appui);
}

} // namespace

TEST(ChampReponse, la_rangee_du_haut_francaise_donne_ses_chiffres_sous_chaque_verrou)
{
    ChampReponse champ;
    champ.fixe_chiffres(1);
    for (const ToucheFrancaise& t : rangee_du_haut) {
        const struct
        {
            const char* etat;
            int touche;
            QString texte;
            Qt::KeyboardModifiers modificateurs;
        } appuis[] = {
            {"sans verrou", t.touche, QString::fromUtf16(t.seule), {}},
            {"verr. maj. (Linux)", t.touche, QString::fromUtf16(t.verrouillee), {}},
            {"verr. maj. (Windows)", t.touche, QString(QLatin1Char(t.chiffre)), {}},
            {"maj.", t.touche_chiffre, QString(QLatin1Char(t.chiffre)), Qt::ShiftModifier},
            {"touche sans texte", t.touche, QString(), {}},
        };
        for (const auto& a : appuis) {
            champ.clear();
            appuie(&champ, a.touche, a.texte, a.modificateurs);
            EXPECT_EQ(champ.text(), QString(QLatin1Char(t.chiffre))) << a.etat << " " << t.chiffre;
        }
    }
    // AltGr and Ctrl make signs and shortcuts, never digits.
    champ.clear();
    appuie(&champ, Qt::Key_Eacute, QStringLiteral("~"), Qt::GroupSwitchModifier);
    appuie(&champ, Qt::Key_Agrave, QStringLiteral("à"), Qt::ControlModifier);
    EXPECT_EQ(champ.text(), QString());
}

TEST(ChampReponse, le_pave_donne_ses_chiffres_verrouille_ou_non_et_les_lettres_sont_refusees)
{
    ChampReponse champ;
    champ.fixe_chiffres(4);
    appuie(&champ, Qt::Key_Home, QString(), Qt::KeypadModifier);
    appuie(&champ, Qt::Key_Insert, QString(), Qt::KeypadModifier);
    appuie(&champ, Qt::Key_Minus, QStringLiteral("-"), Qt::KeypadModifier);
    appuie(&champ, Qt::Key_A, QStringLiteral("a"));
    appuie(&champ, Qt::Key_9, QStringLiteral("9"), Qt::KeypadModifier);
    EXPECT_EQ(champ.text(), QStringLiteral("709"));
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
