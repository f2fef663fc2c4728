#include "ui/texte_lu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace {

const char* const propriete_lecture = "tabrix_images_lues";
const char* const propriete_version = "tabrix_version_texte"; // counts the changes of the view's text

// A read-only multi-line text, as Qt's own text views are, whose text comes from `texte_lu`.
class TexteImagesAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TexteImagesAccessible(QTextEdit* vue)
        : QAccessibleWidget(vue, QAccessible::EditableText)
    {
    }

    QTextEdit* vue() const { return static_cast<QTextEdit*>(widget()); }
    // Read again only when the document has changed: a reader asks for it word by word.
    const TexteLu& lu() const
    {
        const int version = vue()->property(propriete_version).toInt();
        if (version != m_version) {
            m_lu = texte_lu(*vue()->document());
            m_version = version;
        }
        return m_lu;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return lu().texte;
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = vue()->isReadOnly();
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    void selection(int index, int* debut, int* fin) const override
    {
        *debut = *fin = 0;
        const QTextCursor c = vue()->textCursor();
        if (index != 0 || !c.hasSelection())
            return;
        const TexteLu& l = lu();
        *debut = l.decalage(c.selectionStart());
        *fin = l.decalage(c.selectionEnd());
    }
    int selectionCount() const override { return vue()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int debut, int fin) override { setSelection(0, debut, fin); }
    void removeSelection(int) override
    {
        QTextCursor c = vue()->textCursor();
        c.clearSelection();
        vue()->setTextCursor(c);
    }
    void setSelection(int, int debut, int fin) override
    {
        const TexteLu& l = lu();
        QTextCursor c = vue()->textCursor();
        c.setPosition(position(l, debut));
        c.setPosition(position(l, fin), QTextCursor::KeepAnchor);
        vue()->setTextCursor(c);
    }

    int cursorPosition() const override { return lu().decalage(vue()->textCursor().position()); }
    void setCursorPosition(int decalage) override
    {
        QTextCursor c = vue()->textCursor();
        c.setPosition(position(lu(), decalage));
        vue()->setTextCursor(c);
    }

    QString text(int debut, int fin) const override
    {
        const QString& t = lu().texte;
        debut = std::clamp(debut, 0, int(t.size()));
        fin = fin < 0 ? int(t.size()) : std::clamp(fin, debut, int(t.size()));
        return t.mid(debut, fin - debut);
    }
    int characterCount() const override { return int(lu().texte.size()); }

    QRect characterRect(int decalage) const override
    {
        QTextCursor c(vue()->document());
        c.setPosition(position(lu(), decalage));
        QRect r = vue()->cursorRect(c);
        r.moveTopLeft(vue()->viewport()->mapToGlobal(r.topLeft()));
        return r;
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = vue()->viewport()->mapFromGlobal(point);
        return lu().decalage(vue()->cursorForPosition(local).position());
    }
    void scrollToSubstring(int debut, int) override
    {
        QTextCursor c(vue()->document());
        c.setPosition(position(lu(), debut));
        vue()->setTextCursor(c);
        vue()->ensureCursorVisible();
    }
    QString attributes(int decalage, int* debut, int* fin) const override
    {
        *debut = *fin = decalage;
        return {};
    }

private:
    mutable TexteLu m_lu;
    mutable int m_version = -1;

    static int position(const TexteLu& l, int decalage)
    {
        if (l.positions.isEmpty())
            return 0;
        return l.positions.at(std::clamp(decalage, 0, int(l.positions.size()) - 1));
    }
};

QAccessibleInterface* fabrique(const QString&, QObject* objet)
{
    auto* vue = qobject_cast<QTextEdit*>(objet);
    if (!vue || !vue->property(propriete_lecture).toBool())
        return nullptr;
    return new TexteImagesAccessible(vue);
}

} // namespace

int TexteLu::decalage(int position) const
{
    return int(std::lower_bound(positions.cbegin(), positions.cend(), position) - positions.cbegin());
}

TexteLu texte_lu(const QTextDocument& document)
{
    TexteLu r;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (b != document.begin()) {
            r.texte += QLatin1Char('\n');
            r.positions.append(b.position() - 1);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat format = f.charFormat();
            const QString t = f.text();
            if (!format.isImageFormat() || !format.hasProperty(QTextFormat::ImageAltText)) {
                r.texte += t;
                for (int i = 0; i < t.size(); ++i)
                    r.positions.append(f.position() + i);
                continue;
            }
            // Blank: decoration, read as nothing.
            const QString alt = format.stringProperty(QTextFormat::ImageAltText).trimmed();
            // One object character per picture of the fragment.
            for (int i = 0; i < t.size(); ++i) {
                r.texte += alt;
                r.positions.insert(r.positions.size(), alt.size(), f.position() + i);
            }
        }
    }
    r.positions.append(std::max(document.characterCount() - 1, 0));
    return r;
}

void lit_les_images(QTextEdit* vue)
{
    static const bool installee = (QAccessible::installFactory(fabrique), true);
    Q_UNUSED(installee);
    // Qt may already hold its own interface for the view (made while it was being built): it goes.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(vue))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
    vue->setProperty(propriete_lecture, true);
    vue->setProperty(propriete_version, 0);
    QObject::connect(vue, &QTextEdit::textChanged, vue,
        [vue] { vue->setProperty(propriete_version, vue->property(propriete_version).toInt() + 1); });
}
