#include "regles_accessibilite.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

QString texte_accessible(QWidget* w, QAccessible::Text sorte)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(sorte).simplified() : QString();
}

bool de_qt(const QWidget* w)
{
    return QByteArray(w->metaObject()->className()).startsWith('Q');
}

// Parts Qt builds inside its own controls (a spin box's field, a view's header) are named by them.
bool interne(const QWidget* w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p)
            || qobject_cast<const QAbstractItemView*>(p))
            return true;
    }
    return qobject_cast<const QHeaderView*>(w) || qobject_cast<const QScrollBar*>(w);
}

bool interactif(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// A field that only shows a value is no action to reach.
bool lecture_seule(const QWidget* w)
{
    auto* champ = qobject_cast<const QLineEdit*>(w);
    return champ && champ->isReadOnly();
}

// A label's text as drawn: "&Nom :" with a buddy shows "Nom :", its N underlined.
QString sans_raccourci(QString t)
{
    t.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    return t.replace(QChar(1), QLatin1Char('&'));
}

QString texte_montre(const QLabel* l)
{
    QString t = Qt::mightBeRichText(l->text()) ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                                               : l->text();
    if (l->buddy())
        t = sans_raccourci(t);
    return t.simplified();
}

bool image(const QLabel* l)
{
    return l->text().isEmpty() && !l->pixmap().isNull();
}

bool a_des_enfants_visibles(const QWidget* w)
{
    for (const QWidget* e : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (e->isVisible())
            return true;
    }
    return false;
}

// A picture inside a text reaches a reader as an empty object character unless the text gives it words.
bool image_muette_dans_le_texte(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    QAccessibleTextInterface* t = i ? i->textInterface() : nullptr;
    return t && t->text(0, t->characterCount()).contains(QChar::ObjectReplacementCharacter);
}

// The fault of one widget, or an empty text.
QString faute(QWidget* w)
{
    const QString nom = texte_accessible(w, QAccessible::Name);
    if (image_muette_dans_le_texte(w))
        return QStringLiteral("image sans texte de remplacement dans le texte");
    if (interactif(w)) {
        if (nom.isEmpty())
            return QStringLiteral("contrôle sans nom accessible");
        if (w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QRadioButton*>(w)
            && !lecture_seule(w))
            return QStringLiteral("contrôle que la touche Tab n'atteint pas");
        return {};
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (image(l)) {
            if (nom.isEmpty() || texte_accessible(w, QAccessible::Description).isEmpty())
                return QStringLiteral("image sans nom ou sans description");
            return {};
        }
        const QString montre = texte_montre(l);
        if (montre.isEmpty())
            return {};
        if (!nom.contains(montre, Qt::CaseInsensitive))
            return QStringLiteral("étiquette qui montre « %1 » mais se nomme « %2 »").arg(montre, nom);
        return {};
    }
    if (de_qt(w) || a_des_enfants_visibles(w))
        return {};
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (nom.isEmpty())
        return QStringLiteral("dessin sans nom accessible");
    if (i && i->role() != QAccessible::StaticText && texte_accessible(w, QAccessible::Description).isEmpty())
        return QStringLiteral("dessin sans description");
    return {};
}

QString designation(QWidget* w)
{
    QString nom = w->objectName();
    for (QWidget* p = w->parentWidget(); nom.isEmpty() && p; p = p->parentWidget()) {
        if (!p->objectName().isEmpty())
            nom = QStringLiteral("(sans nom, dans %1)").arg(p->objectName());
    }
    return nom + QStringLiteral(" (") + QString::fromLatin1(w->metaObject()->className()) + u')';
}

void examine(QWidget* fenetre, QWidget* racine, const QString& lieu, QStringList& fautes)
{
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (w->window() != fenetre || !w->isVisible() || interne(w))
            continue;
        const QString f = faute(w);
        if (!f.isEmpty())
            fautes.append(lieu + QStringLiteral(" : ") + designation(w) + QStringLiteral(" : ") + f);
    }
}

// Enabled visible controls that Tab reaches, in Tab order from the window's first one.
QList<QWidget*> chaine_tab(QWidget* fenetre)
{
    QList<QWidget*> r;
    QWidget* w = fenetre;
    for (int garde = 0; garde < 2000; ++garde) {
        w = w->nextInFocusChain();
        if (!w || w == fenetre)
            break;
        if (w->window() == fenetre && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !interne(w) && w->focusProxy() == nullptr)
            r.append(w);
    }
    return r;
}

QRect place(QWidget* w, QWidget* fenetre)
{
    return QRect(w->mapTo(fenetre, QPoint(0, 0)), w->size());
}

// Back on the same line to the left, or up and to the left: not where a reader goes next.
bool recule(const QRect& avant, const QRect& apres)
{
    const bool meme_ligne = apres.top() < avant.bottom() && avant.top() < apres.bottom();
    if (meme_ligne)
        return apres.right() <= avant.left();
    return apres.bottom() <= avant.top() && apres.right() <= avant.left();
}

} // namespace

QStringList fautes_clavier(QWidget* fenetre)
{
    QStringList fautes;
    const QString lieu = nom_de_fenetre(fenetre);
    QWidget* focus_avant = QApplication::focusWidget();
    QApplication::setActiveWindow(fenetre);
    const QList<QWidget*> chaine = chaine_tab(fenetre);
    for (int i = 0; i < chaine.size(); ++i) {
        QWidget* w = chaine[i];
        // Another control holds the focus for the first grab.
        QWidget* autre = chaine.value(i == 0 ? 1 : 0);
        if (autre)
            autre->setFocus(Qt::TabFocusReason);
        else
            w->clearFocus();
        // The control and its surroundings, where a frame may be drawn around it.
        const QRect autour = place(w, fenetre).adjusted(-4, -4, 4, 4);
        const QImage sans = fenetre->grab(autour).toImage();
        w->setFocus(Qt::TabFocusReason);
        const QImage avec = fenetre->grab(autour).toImage();
        // Outside the window at this moment (not yet laid out): judged in another state.
        if (w->hasFocus() && !sans.isNull() && sans == avec)
            fautes.append(lieu + QStringLiteral(" : ") + designation(w)
                + QStringLiteral(" : rien ne montre que le contrôle a le focus"));
        if (i > 0 && recule(place(chaine[i - 1], fenetre), place(w, fenetre)))
            fautes.append(lieu + QStringLiteral(" : ") + designation(w)
                + QStringLiteral(" : Tab y mène depuis %1, placé après lui dans la lecture")
                      .arg(chaine[i - 1]->objectName()));
    }
    if (focus_avant)
        focus_avant->setFocus(Qt::OtherFocusReason);
    return fautes;
}

QString nom_de_fenetre(QWidget* fenetre)
{
    return QStringLiteral("« %1 » (%2)")
        .arg(fenetre->windowTitle(), QString::fromLatin1(fenetre->metaObject()->className()));
}

QStringList fautes_accessibilite(QWidget* fenetre)
{
    QStringList fautes;
    const QString lieu = nom_de_fenetre(fenetre);
    examine(fenetre, fenetre, lieu, fautes);
    // Hidden pages are shown one after the other, then the page of the moment comes back.
    for (QTabWidget* onglets : fenetre->findChildren<QTabWidget*>()) {
        if (!onglets->isVisible())
            continue;
        const int courant = onglets->currentIndex();
        for (int i = 0; i < onglets->count(); ++i) {
            if (i == courant || !onglets->isTabEnabled(i))
                continue;
            onglets->setCurrentIndex(i);
            examine(fenetre, onglets->widget(i),
                lieu + QStringLiteral(", onglet « %1 »").arg(onglets->tabText(i)), fautes);
        }
        onglets->setCurrentIndex(courant);
    }
    for (QStackedWidget* pile : fenetre->findChildren<QStackedWidget*>()) {
        if (!pile->isVisible() || qobject_cast<QTabWidget*>(pile->parentWidget()))
            continue;
        const int courant = pile->currentIndex();
        for (int i = 0; i < pile->count(); ++i) {
            if (i == courant)
                continue;
            pile->setCurrentIndex(i);
            examine(fenetre, pile->widget(i), lieu + QStringLiteral(", page %1").arg(i + 1), fautes);
        }
        pile->setCurrentIndex(courant);
    }
    fautes.removeDuplicates();
    return fautes;
}

QList<QWidget*> fenetres_visibles()
{
    QList<QWidget*> r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::ToolTip)
            r.append(w);
    }
    return r;
}
