#include "ui/boites.h"

#include <QAbstractButton>
#include <QInputDialog>

namespace boites {

namespace {
Repondeur& repondeur_installe()
{
    static Repondeur r;
    return r;
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
    Boite b {icone, titre, texte, QMessageBox::Ok, QMessageBox::Ok, false, {}};
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
    Boite b {icone, titre, texte, boutons, defaut, false, {}};
    return montre(parent, b);
}

bool saisie(QWidget* parent, const QString& titre, const QString& invite, QString& valeur)
{
    Boite b {QMessageBox::Question, titre, invite, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
        true, valeur};
    if (montre(parent, b) != QMessageBox::Ok)
        return false;
    valeur = b.valeur;
    return true;
}

} // namespace boites
