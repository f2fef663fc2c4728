#include "teacher/tstats_el.h"

#include "reports/description_graphique.h"
#include "storage/fichier_texte.h"
#include "teacher/graphique_stats_eleves.h"
#include "ui/boites.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setAccessibleName(texte);
    return b;
}

// The picture across the page's width (never enlarged past twice its size), at the top of the page.
bool imprime_graphique(QPrinter& imprimante, const QImage& image)
{
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    const QRect page = p.viewport();
    const double echelle = std::min({double(page.width()) / image.width(),
        double(page.height()) / image.height(), 2.0 * imprimante.resolution() / 96});
    const QSize taille(int(image.width() * echelle), int(image.height() * echelle));
    p.drawImage(QRect(QPoint((page.width() - taille.width()) / 2, 0), taille), image);
    return p.end();
}

} // namespace

Tstats_el::Tstats_el(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tstats_el"));
    setWindowTitle(QStringLiteral("Statistiques par élèves"));
    m_image1 = new QLabel;
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(QStringLiteral("Graphique"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_defilement = new QScrollArea(this);
    m_defilement->setWidget(m_image1);
    m_defilement->setWidgetResizable(true);
    m_defilement->setAlignment(Qt::AlignCenter);

    m_enregistrer = bouton(this, "Button_enregistrer", QStringLiteral("Enregistrer"));
    m_imprimer = bouton(this, "Button_imprimer", QStringLiteral("Imprimer"));
    QPushButton* fermer = bouton(this, "Button_fermer", QStringLiteral("Fermer"));
    connect(m_enregistrer, &QPushButton::clicked, this, &Tstats_el::EnregistrerClick);
    connect(m_imprimer, &QPushButton::clicked, this, &Tstats_el::ImprimerClick);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(m_enregistrer);
    boutons->addWidget(m_imprimer);
    boutons->addWidget(fermer);
    auto* l = new QVBoxLayout(this);
    l->addWidget(m_defilement, 1);
    l->addLayout(boutons);
    fermer->setDefault(true);
}

bool Tstats_el::montre_donnees(const QString& texte)
{
    const std::optional<DonneesStats> d = lit_donnees_stats(texte);
    m_donnees = d.value_or(DonneesStats {});
    m_image1->setAccessibleDescription(d
            ? description_barres(d->titre, d->barres, QLatin1Char('(') + d->texte_eleves() + QLatin1Char(')'))
            : QStringLiteral("Aucune donnée à représenter."));
    affiche(d ? graphique_stats_eleves(*d) : QImage(), m_donnees.titre, d ? d->lignes_csv() : QStringList());
    return d.has_value();
}

void Tstats_el::montre_graphique(
    const QImage& image, const QString& titre, const QStringList& lignes_csv, const QString& description)
{
    m_donnees = DonneesStats {};
    m_image1->setAccessibleDescription(description);
    affiche(image, titre, lignes_csv);
}

void Tstats_el::affiche(const QImage& image, const QString& titre, const QStringList& lignes_csv)
{
    m_image = image;
    m_titre = titre;
    m_csv = lignes_csv;
    m_image1->setPixmap(QPixmap::fromImage(m_image));
    m_enregistrer->setEnabled(!m_image.isNull());
    m_imprimer->setEnabled(!m_image.isNull());
    // Sized to the picture, within the screen; a wider chart scrolls.
    QSize taille = m_image.size() + QSize(40, 80);
    if (const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen())
        taille = taille.boundedTo(ecran->availableSize() * 9 / 10);
    resize(taille.expandedTo(QSize(320, 200)));
}

void Tstats_el::EnregistrerClick()
{
    if (m_image.isNull())
        return;
    boites::DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer le graphique");
    demande.dossier = m_dossier;
    demande.nom
        = m_donnees.titre.isEmpty() && !m_titre.isEmpty() ? m_titre : QStringLiteral("Statistiques élèves");
    demande.filtre = QStringLiteral("Image PNG (*.png)");
    demande.extension = QStringLiteral("png");
    const QString chemin = boites::fichier_a_enregistrer(this, demande);
    if (chemin.isEmpty())
        return;
    if (const QString erreur = enregistre_graphique(chemin, m_image, m_csv); !erreur.isEmpty())
        boites::erreur(this, QStringLiteral("Enregistrer le graphique"), erreur);
}

void Tstats_el::ImprimerClick()
{
    if (m_image.isNull())
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(m_titre);
    if (!boites::choisit_imprimante(this, imprimante, QStringLiteral("Imprimer le graphique")))
        return;
    if (!imprime_graphique(imprimante, m_image))
        boites::erreur(this, QStringLiteral("Imprimer le graphique"),
            QStringLiteral("L'imprimante a refusé le travail : rien n'a été imprimé."));
}

QString enregistre_graphique(const QString& chemin_png, const QImage& image, const QStringList& lignes_csv)
{
    // The data go beside the picture under the same name: a ".csv" picture would be replaced by them.
    if (QFileInfo(chemin_png).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return QStringLiteral(
            "Choisissez un nom d'image (.png) : les données sont enregistrées à côté, en .csv.");
    if (const QString erreur = enregistre_png(image, chemin_png); !erreur.isEmpty())
        return erreur;
    const QFileInfo info(chemin_png);
    const QString chemin_csv = info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
    if (const Ecriture e = ecrit_lignes(chemin_csv, lignes_csv); !e)
        return QStringLiteral("L'image est enregistrée, mais pas ses données : %1 n'a pas pu être écrit. %2")
            .arg(chemin_csv, e.erreur);
    return {};
}
