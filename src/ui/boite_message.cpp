#include "ui/boite_message.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {
const QString texte_clavier = QStringLiteral("Tu dois répondre avec le clavier.\r La vitesse compte!");
const QString texte_pret = QStringLiteral("PRÊT?");
constexpr int hauteur_titre = 20;
} // namespace

Tboite_message::Tboite_message(QWidget* parent)
    // Frameless, its title drawn in a strip of its own: a window manager's title bar would let it be dragged.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_panel1(new QFrame(this))
    , m_commentaire(new QLabel(m_panel1))
    , m_bouton(new QPushButton(this))
{
    setObjectName(QStringLiteral("boite_message"));
    setWindowModality(Qt::ApplicationModal);
    resize(284, 176);

    m_panel1->setObjectName(QStringLiteral("panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel1->setLineWidth(2);
    m_panel1->setAutoFillBackground(true);
    QPalette pal = m_panel1->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    m_panel1->setPalette(pal);

    m_commentaire->setObjectName(QStringLiteral("Commentaire"));
    m_commentaire->setAlignment(Qt::AlignCenter);
    QFont police = m_commentaire->font();
    police.setBold(true);
    police.setPixelSize(16);
    m_commentaire->setFont(police);
    QPalette pc = m_commentaire->palette();
    pc.setColor(QPalette::WindowText, Qt::blue);
    m_commentaire->setPalette(pc);

    m_bouton->setObjectName(QStringLiteral("Button_OK"));
    m_bouton->setDefault(true);
    m_bouton->setAutoDefault(true);
    m_bouton->setMinimumWidth(75);
    QPalette pb = m_bouton->palette();
    pb.setColor(QPalette::ButtonText, QColor(128, 0, 0));
    m_bouton->setPalette(pb);
    connect(m_bouton, &QPushButton::clicked, this, &Tboite_message::button_OKClick);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setParent(this);
    m_timer1.setInterval(intervalle_decompte_ms);
    connect(&m_timer1, &QTimer::timeout, this, &Tboite_message::Timer1Timer);
}

void Tboite_message::prepare(const QString& titre, const QString& texte, const QString& bouton)
{
    setWindowTitle(titre);
    update();
    fixe_texte(texte);
    fixe_bouton(bouton);
    m_position_fixe = false;
}

void Tboite_message::place_en(const QPoint& coin_global)
{
    m_position = coin_global;
    m_position_fixe = true;
}

void Tboite_message::fixe_texte(const QString& texte)
{
    m_texte = texte;
    // Lines are centred here: the spaces that padded them for a left-aligned label are left out.
    QStringList lignes = texte.split(QLatin1Char('\r'));
    for (QString& l : lignes)
        l = l.trimmed();
    const QString affiche = lignes.join(QLatin1Char('\n'));
    m_commentaire->setText(affiche);
    m_commentaire->setAccessibleName(affiche);
}

QString Tboite_message::bouton() const
{
    return m_bouton->text();
}

void Tboite_message::fixe_bouton(const QString& libelle)
{
    m_bouton->setText(libelle);
    m_bouton->setAccessibleName(libelle);
}

void Tboite_message::montre()
{
    m_timer1.stop();
    m_bouton->show();
    ajuste_dimensions();
    if (m_position_fixe) {
        move(m_position);
    } else {
        const QScreen* ecran = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (ecran)
            move(ecran->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    m_bouton->setFocus();
}

void Tboite_message::ajuste_dimensions()
{
    m_commentaire->adjustSize();
    const QSize c = m_commentaire->size();
    const int largeur_panel = qMax(c.width() + 32, 180);
    const int hauteur_panel = c.height() + 32;
    m_commentaire->move((largeur_panel - c.width()) / 2, 16);
    const int largeur = largeur_panel + 68;
    setFixedSize(largeur, hauteur_titre + hauteur_panel + 132);
    m_panel1->setGeometry((largeur - largeur_panel) / 2, hauteur_titre + 24, largeur_panel, hauteur_panel);
    m_bouton->adjustSize();
    m_bouton->move((largeur - m_bouton->width()) / 2, hauteur_titre + c.height() + 80);
}

void Tboite_message::button_OKClick()
{
    if (m_texte == texte_clavier) {
        fixe_texte(texte_pret);
        fixe_bouton(QStringLiteral("Oui"));
        ajuste_dimensions();
    } else if (m_texte == texte_pret) {
        fixe_texte(QStringLiteral("4"));
        // The countdown cannot be cut short.
        m_bouton->hide();
        ajuste_dimensions();
        m_timer1.start();
    } else {
        demande_fermeture();
    }
}

void Tboite_message::Timer1Timer()
{
    if (m_texte == QLatin1String("1")) {
        demande_fermeture();
        return;
    }
    const int n = m_texte.toInt();
    if (n >= 2 && n <= 4)
        fixe_texte(QString::number(n - 1));
}

void Tboite_message::demande_fermeture()
{
    if (m_garde && m_garde(*this)) {
        ajuste_dimensions();
        m_bouton->show();
        m_bouton->setFocus();
        return;
    }
    m_timer1.stop();
    const QString titre = windowTitle();
    const QString texte = m_texte;
    QDialog::done(QDialog::Accepted);
    Q_EMIT fermee(titre, texte);
}

void Tboite_message::reject()
{
    // Escape does not close the box: only its button (or the end of the countdown) moves the test on.
}

void Tboite_message::closeEvent(QCloseEvent* evenement)
{
    evenement->ignore();
    if (!m_timer1.isActive() && isVisible())
        demande_fermeture();
}

void Tboite_message::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient degrade(0, hauteur_titre, 0, height());
    degrade.setColorAt(0, QColor(255, 128, 0));
    degrade.setColorAt(1, QColor(255, 255, 0));
    p.fillRect(rect().adjusted(0, hauteur_titre, 0, 0), degrade);
    const QRect titre(0, 0, width(), hauteur_titre);
    QLinearGradient bandeau(0, 0, width(), 0);
    bandeau.setColorAt(0, QColor(0, 0, 128));
    bandeau.setColorAt(1, QColor(16, 132, 208));
    p.fillRect(titre, bandeau);
    QFont police = font();
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(titre.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    p.setPen(QColor(128, 64, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
