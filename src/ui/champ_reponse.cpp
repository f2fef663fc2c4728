#include "ui/champ_reponse.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

// The French top row, from 1 to 0: each key's Qt code and the characters it gives without Shift, with or
// without Caps Lock (a Linux map gives É, È, Ç, À under Caps Lock; with Shift every key gives its digit).
struct ToucheRangee
{
    int touche;
    const char16_t* caracteres;
};
constexpr ToucheRangee rangee_francaise[10] = {
    {Qt::Key_Ampersand, u"&"},
    {Qt::Key_Eacute, u"éÉ"},
    {Qt::Key_QuoteDbl, u"\""},
    {Qt::Key_Apostrophe, u"'"},
    {Qt::Key_ParenLeft, u"("},
    {Qt::Key_Minus, u"-"},
    {Qt::Key_Egrave, u"èÈ"},
    {Qt::Key_Underscore, u"_"},
    {Qt::Key_Ccedilla, u"çÇ"},
    {Qt::Key_Agrave, u"àÀ"},
};

QChar chiffre_de_rang(int rang)
{
    return QChar(u'0' + char16_t((rang + 1) % 10));
}

// Keypad keys with Num Lock off.
QChar chiffre_pave(int touche)
{
    switch (touche) {
    case Qt::Key_Insert:
        return u'0';
    case Qt::Key_End:
        return u'1';
    case Qt::Key_Down:
        return u'2';
    case Qt::Key_PageDown:
        return u'3';
    case Qt::Key_Left:
        return u'4';
    case Qt::Key_Clear:
        return u'5';
    case Qt::Key_Right:
        return u'6';
    case Qt::Key_Home:
        return u'7';
    case Qt::Key_Up:
        return u'8';
    case Qt::Key_PageUp:
        return u'9';
    default:
        return QChar();
    }
}

} // namespace

ChampReponse::ChampReponse(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    fixe_chiffres(1);
}

void ChampReponse::fixe_chiffres(int chiffres)
{
    chiffres = qBound(1, chiffres, 4);
    setMaxLength(chiffres);
    setFixedWidth(30 + 30 * chiffres);
}

QChar ChampReponse::chiffre_de_touche(int touche, const QString& texte, Qt::KeyboardModifiers modificateurs)
{
    // Shortcuts and AltGr signs are not digits.
    if (modificateurs & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::GroupSwitchModifier))
        return QChar();
    if (texte.size() == 1 && texte.at(0) >= u'0' && texte.at(0) <= u'9')
        return texte.at(0);
    if (modificateurs & Qt::KeypadModifier)
        return chiffre_pave(touche);
    for (int rang = 0; rang < 10; ++rang) {
        const ToucheRangee& t = rangee_francaise[rang];
        // By character first, then by key: whatever a lock makes the key give, it stays its digit.
        if (texte.size() == 1 && QStringView(t.caracteres).contains(texte.at(0)))
            return chiffre_de_rang(rang);
    }
    for (int rang = 0; rang < 10; ++rang) {
        if (rangee_francaise[rang].touche == touche)
            return chiffre_de_rang(rang);
    }
    return QChar();
}

void ChampReponse::keyPressEvent(QKeyEvent* evenement)
{
    const QChar chiffre = chiffre_de_touche(evenement->key(), evenement->text(), evenement->modifiers());
    if (!chiffre.isNull()) {
        if (!isReadOnly() && text().size() < maxLength())
            insert(QString(chiffre));
        evenement->accept();
        return;
    }
    // Letters and signs never reach the field; editing and validation keys do.
    if (!evenement->text().isEmpty() && evenement->text().at(0).isPrint()) {
        evenement->accept();
        return;
    }
    QLineEdit::keyPressEvent(evenement);
}
