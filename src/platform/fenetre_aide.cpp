#include "platform/fenetre_aide.h"

#include "ui/boites.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

bool FenetreAide::disponible()
{
    return QFile::exists(QStringLiteral(":/aide/index.html"));
}

FenetreAide::FenetreAide(QWidget* parent)
    : QDialog(parent)
    , m_navigateur(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("FenetreAide"));
    setWindowTitle(QStringLiteral("Aide de Tabrix"));
    resize(720, 560);
    m_navigateur->setObjectName(QStringLiteral("navigateur_aide"));
    m_navigateur->setAccessibleName(QStringLiteral("Aide"));
    m_navigateur->setOpenExternalLinks(true);
    m_navigateur->setSearchPaths({QStringLiteral(":/aide")});

    auto* precedent = new QPushButton(QStringLiteral("Précédent"), this);
    auto* accueil = new QPushButton(QStringLiteral("Sommaire"), this);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    precedent->setEnabled(false);
    connect(precedent, &QPushButton::clicked, m_navigateur, &QTextBrowser::backward);
    connect(m_navigateur, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(accueil, &QPushButton::clicked, this, [this]() { montre_page(page_d_accueil()); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(accueil);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(m_navigateur);
    disposition->addLayout(boutons);
}

void FenetreAide::montre_page(const QUrl& page)
{
    m_navigateur->setSource(page);
}

void montre_aide(QWidget* parent)
{
    if (!FenetreAide::disponible()) {
        boites::information(parent, QStringLiteral("Aide"),
            QStringLiteral("L'aide de Tabrix n'est pas installée sur ce poste."));
        return;
    }
    // One help window, kept while its parent lives, so that the pupil can read it beside his work.
    static QPointer<FenetreAide> fenetre;
    if (!fenetre || fenetre->parentWidget() != parent) {
        delete fenetre;
        fenetre = new FenetreAide(parent);
        fenetre->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    fenetre->montre_page(FenetreAide::page_d_accueil());
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}
