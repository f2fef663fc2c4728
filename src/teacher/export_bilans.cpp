#include "teacher/export_bilans.h"

#include "reports/bilan_impression.h"
#include "teacher/dialogues_fichiers.h"
#include "ui/boites.h"

#include <QApplication>
#include <QPrinter>

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
    dialogues::DemandeFichier demande;
    demande.titre = QStringLiteral("Enregistrer les bilans");
    demande.dossier = dossier;
    demande.nom = b->nom_propose;
    demande.filtre = QStringLiteral("Document Adobe Acrobat (*.pdf)");
    demande.extension = QStringLiteral("pdf");
    const QString chemin = dialogues::fichier_a_enregistrer(parent, demande);
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
    if (!dialogues::choisit_imprimante(parent, imprimante, QStringLiteral("Imprimer les bilans")))
        return 0;
    if (!imprime_bilans(imprimante, b->bilans)) {
        boites::erreur(
            parent, titre_export, QStringLiteral("L'imprimante a refusé le travail : rien n'a été imprimé."));
        return 0;
    }
    signale_ignores(parent, *b);
    return int(b->bilans.size());
}
