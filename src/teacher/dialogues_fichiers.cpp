#include "teacher/dialogues_fichiers.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace dialogues {

namespace {
Repondeur& repondeur_installe()
{
    static Repondeur r;
    return r;
}
} // namespace

void installe_repondeur(Repondeur repondeur)
{
    repondeur_installe() = std::move(repondeur);
}

QString fichier_a_enregistrer(QWidget* parent, const DemandeFichier& demande)
{
    if (repondeur_installe().fichier)
        return repondeur_installe().fichier(demande);
    QFileDialog dialogue(parent, demande.titre, demande.dossier);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilters({demande.filtre, QStringLiteral("tous (*)")});
    dialogue.setDefaultSuffix(demande.extension);
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    dialogue.selectFile(QDir(demande.dossier).filePath(demande.nom));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}

bool choisit_imprimante(QWidget* parent, QPrinter& imprimante, const QString& titre)
{
    if (repondeur_installe().imprimante)
        return repondeur_installe().imprimante(imprimante);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

} // namespace dialogues
