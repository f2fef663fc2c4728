#include "teacher/export_bilans.h"

#include "reports/bilan_impression.h"
#include "seance/session.h"
#include "teacher/arbre_eleves.h"
#include "teacher/page_suivi.h"
#include "ui/boites.h"

#include <QApplication>
#include <QPrinter>
#include <QPushButton>

namespace {

const QString titre_export = QStringLiteral("Bilans des élèves");

// The reports of the node, or nullopt (after saying why, when there is something to say) when none.
std::optional<BilansExportes> bilans_a_exporter(
    QWidget* parent, const NoeudExporte& noeud, const ContexteExport& c)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BilansExportes b = bilans_du_noeud(noeud, c);
    QApplication::restoreOverrideCursor();
    if (!b.noeud_exportable)
        return std::nullopt;
    if (b.bilans.isEmpty()) {
        boites::information(
            parent, titre_export, QStringLiteral("Aucun bilan à exporter.\n") + message_ignores(b.ignores));
        return std::nullopt;
    }
    return b;
}

void signale_ignores(QWidget* parent, const BilansExportes& b)
{
    if (const QString message = message_ignores(b.ignores); !message.isEmpty())
        boites::information(parent, titre_export, message);
}

} // namespace

QString ButtonEnregistrerClick(QWidget* parent, const NoeudExporte& noeud, const ContexteExport& contexte,
    const QString& dossier, const Horloge& horloge)
{
    const std::optional<BilansExportes> b = bilans_a_exporter(parent, noeud, contexte);
    if (!b)
        return {};
    boites::DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer les bilans");
    demande.dossier = dossier;
    demande.nom = b->nom_propose;
    demande.filtre = QStringLiteral("Document Adobe Acrobat (*.pdf)");
    demande.extension = QStringLiteral("pdf");
    const QString chemin = boites::fichier_a_enregistrer(parent, demande);
    if (chemin.isEmpty())
        return {};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Ecriture e = ecrit_bilans_pdf(b->bilans, chemin, horloge);
    QApplication::restoreOverrideCursor();
    if (!e) {
        boites::erreur(parent, titre_export,
            QStringLiteral("Le document %1 n'a pas pu être écrit ; aucun fichier incomplet n'est laissé.\n%2")
                .arg(chemin, e.erreur));
        return {};
    }
    signale_ignores(parent, *b);
    return chemin;
}

int ImprimerBilan(QWidget* parent, const NoeudExporte& noeud, const ContexteExport& contexte)
{
    const std::optional<BilansExportes> b = bilans_a_exporter(parent, noeud, contexte);
    if (!b)
        return 0;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(b->nom_propose);
    if (!boites::choisit_imprimante(parent, imprimante, QStringLiteral("Imprimer les bilans")))
        return 0;
    if (!imprime_bilans(imprimante, b->bilans)) {
        boites::erreur(
            parent, titre_export, QStringLiteral("L'imprimante a refusé le travail : rien n'a été imprimé."));
        return 0;
    }
    signale_ignores(parent, *b);
    return int(b->bilans.size());
}

NoeudExporte noeud_selectionne(const ArbreEleves& arbre)
{
    NoeudExporte n;
    const int index = arbre.index_selection();
    if (index < 0)
        return n;
    n.chemin = arbre.entree(index);
    n.texte = arbre.lignes().value(index);
    const QTreeWidgetItem* noeud = arbre.noeud(index);
    const int parent = noeud ? arbre.index_de(noeud->parent()) : -1;
    n.texte_parent = parent >= 0 ? arbre.lignes().value(parent) : QString();
    // Without class folders the pupils hang from the top line, one tab deep.
    n.hors_classe = parent == 0 && !n.texte.startsWith(QStringLiteral("\t\t"));
    return n;
}

void branche_exports(PageSuivi& page, Session& session)
{
    // The test shown and the establishment of the tree, as the list was built.
    const auto contexte = [&page, &session] {
        const OptionsListeEleves o = page.options();
        ContexteExport c;
        c.mode = o.mode;
        c.date = o.date;
        c.masquer_incomplets = o.masquer_incomplets;
        c.objectifs = o.objectifs;
        c.temps_acceptable = o.temps_acceptable;
        c.etablissement = session.reglages().nom_etablissement;
        c.dossier_etablissement = o.dossier_etablissement();
        return c;
    };
    QObject::connect(page.bouton_enregistrer(), &QPushButton::clicked, &page, [&page, &session, contexte] {
        ButtonEnregistrerClick(&page, noeud_selectionne(*page.arbre()), contexte(),
            dossier_des_exports(session.reglages().dossier_programme), session.horloge());
    });
    QObject::connect(page.bouton_imprimer(), &QPushButton::clicked, &page,
        [&page, contexte] { ImprimerBilan(&page, noeud_selectionne(*page.arbre()), contexte()); });
    page.bouton_enregistrer()->setEnabled(true);
    page.bouton_imprimer()->setEnabled(true);
}
