#include "ui/champ_reponse.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

// The French digit row without Shift, from 1 to 0.
const QString rangee_francaise = QStringLiteral("&é\"'(-è_çà");

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
    if (texte.size() == 1) {
        const QChar c = texte.at(0);
        if (c >= u'0' && c <= u'9')
            return c;
        const qsizetype i = rangee_francaise.indexOf(c);
        if (i >= 0)
            return QChar(u'0' + char16_t((i + 1) % 10));
    }
    if (modificateurs & Qt::KeypadModifier)
        return chiffre_pave(touche);
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
