#include "ui/boites.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace boites {

namespace {
Repondeur& repondeur_installe()
{
    static Repondeur r;
    return r;
}
RepondeurFichiers& repondeur_fichiers()
{
    static RepondeurFichiers r;
    return r;
}
QString montre_fichier(QWidget* parent, const DemandeFichier& demande)
{
    if (repondeur_fichiers().fichier)
        return repondeur_fichiers().fichier(demande);
    QFileDialog dialogue(parent, demande.titre, demande.dossier);
    dialogue.setAcceptMode(demande.ouverture ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogue.setFileMode(demande.ouverture ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogue.setNameFilters({demande.filtre, QStringLiteral("tous (*)")});
    dialogue.setDefaultSuffix(demande.extension);
    dialogue.setLabelText(
        QFileDialog::Accept, demande.ouverture ? QStringLiteral("Ouvrir") : QStringLiteral("Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    if (!demande.nom.isEmpty())
        dialogue.selectFile(QDir(demande.dossier).filePath(demande.nom));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}
// The program is in French whatever translations the machine has installed.
void francise_boutons(QMessageBox& mb)
{
    static const struct
    {
        QMessageBox::StandardButton bouton;
        const char* texte;
    } libelles[] = {{QMessageBox::Yes, "Oui"}, {QMessageBox::No, "Non"}, {QMessageBox::Cancel, "Annuler"},
        {QMessageBox::Ok, "OK"}, {QMessageBox::Abort, "Abandonner"}, {QMessageBox::Retry, "Réessayer"},
        {QMessageBox::Ignore, "Ignorer"}, {QMessageBox::Close, "Fermer"}};
    for (const auto& l : libelles) {
        if (QAbstractButton* b = mb.button(l.bouton))
            b->setText(QString::fromUtf8(l.texte));
    }
}
} // namespace

void installe_repondeur(Repondeur repondeur)
{
    repondeur_installe() = std::move(repondeur);
}

QMessageBox::StandardButton montre(QWidget* parent, Boite& boite)
{
    if (repondeur_installe())
        return repondeur_installe()(boite);
    if (boite.saisie) {
        QInputDialog dialogue(parent);
        dialogue.setWindowTitle(boite.titre);
        dialogue.setLabelText(boite.texte);
        if (!boite.choix.isEmpty()) {
            dialogue.setComboBoxItems(boite.choix);
            dialogue.setComboBoxEditable(false);
        }
        dialogue.setTextValue(boite.valeur);
        dialogue.setOkButtonText(QStringLiteral("OK"));
        dialogue.setCancelButtonText(QStringLiteral("Annuler"));
        if (dialogue.exec() != QDialog::Accepted)
            return QMessageBox::Cancel;
        boite.valeur = dialogue.textValue();
        return QMessageBox::Ok;
    }
    QMessageBox mb(boite.icone, boite.titre, boite.texte, boite.boutons, parent);
    if (boite.defaut != QMessageBox::NoButton)
        mb.setDefaultButton(boite.defaut);
    francise_boutons(mb);
    return static_cast<QMessageBox::StandardButton>(mb.exec());
}

static void simple(QWidget* parent, QMessageBox::Icon icone, const QString& titre, const QString& texte)
{
    Boite b {icone, titre, texte, QMessageBox::Ok, QMessageBox::Ok, false, {}, {}};
    montre(parent, b);
}

void information(QWidget* parent, const QString& titre, const QString& texte)
{
    simple(parent, QMessageBox::Information, titre, texte);
}

void avertissement(QWidget* parent, const QString& titre, const QString& texte)
{
    simple(parent, QMessageBox::Warning, titre, texte);
}

void erreur(QWidget* parent, const QString& titre, const QString& texte)
{
    simple(parent, QMessageBox::Critical, titre, texte);
}

QMessageBox::StandardButton question(QWidget* parent, const QString& titre, const QString& texte,
    QMessageBox::StandardButtons boutons, QMessageBox::StandardButton defaut, QMessageBox::Icon icone)
{
    Boite b {icone, titre, texte, boutons, defaut, false, {}, {}};
    return montre(parent, b);
}

bool saisie(QWidget* parent, const QString& titre, const QString& invite, QString& valeur)
{
    Boite b {QMessageBox::Question, titre, invite, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
        true, valeur, {}};
    if (montre(parent, b) != QMessageBox::Ok)
        return false;
    valeur = b.valeur;
    return true;
}

bool choix(
    QWidget* parent, const QString& titre, const QString& invite, const QStringList& elements, int& index)
{
    Boite b {QMessageBox::Question, titre, invite, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
        true, elements.value(index), elements};
    if (montre(parent, b) != QMessageBox::Ok || !elements.contains(b.valeur))
        return false;
    index = int(elements.indexOf(b.valeur));
    return true;
}

void installe_repondeur_fichiers(RepondeurFichiers repondeur)
{
    repondeur_fichiers() = std::move(repondeur);
}

QString fichier_a_enregistrer(QWidget* parent, const DemandeFichier& demande)
{
    DemandeFichier d = demande;
    d.ouverture = false;
    return montre_fichier(parent, d);
}

QString fichier_a_ouvrir(QWidget* parent, const DemandeFichier& demande)
{
    DemandeFichier d = demande;
    d.ouverture = true;
    return montre_fichier(parent, d);
}

bool choisit_imprimante(QWidget* parent, QPrinter& imprimante, const QString& titre)
{
    if (repondeur_fichiers().imprimante)
        return repondeur_fichiers().imprimante(imprimante);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

} // namespace boites
