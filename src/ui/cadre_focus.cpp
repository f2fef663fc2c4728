#include "ui/cadre_focus.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int epaisseur = 2;
constexpr int ecart = 1; // between the control and the frame

} // namespace

CadreFocus::CadreFocus()
{
    setObjectName(QStringLiteral("CadreFocus"));
    setAccessibleName(QStringLiteral("Cadre du focus"));
    setAccessibleDescription(QStringLiteral("Entoure le contrôle qui reçoit les touches du clavier."));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CadreFocus::installe()
{
    static bool installe = false;
    if (installe)
        return;
    installe = true;
    // The frame lives among the control's siblings: it goes with its window, and comes again when needed.
    static QPointer<CadreFocus> cadre;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* maintenant) {
        if (!cadre)
            cadre = new CadreFocus;
        cadre->suit(maintenant);
    });
}

void CadreFocus::suit(QWidget* controle)
{
    if (m_suivi)
        m_suivi->removeEventFilter(this);
    m_suivi = controle;
    if (!controle || controle->isWindow() || !controle->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != controle->parentWidget())
        setParent(controle->parentWidget());
    controle->installEventFilter(this);
    place();
}

void CadreFocus::place()
{
    if (!m_suivi || !m_suivi->isVisible()) {
        hide();
        return;
    }
    const int marge = epaisseur + ecart;
    setGeometry(m_suivi->geometry().adjusted(-marge, -marge, marge, marge));
    show();
    raise();
}

bool CadreFocus::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_suivi) {
        switch (evenement->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void CadreFocus::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), epaisseur));
    p.setBrush(Qt::NoBrush);
    const qreal demi = epaisseur / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(demi, demi, -demi, -demi), 3, 3);
}
