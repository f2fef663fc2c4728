#include "ui/boites.h"

#include <QInputDialog>

namespace boites {

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

QMessageBox::StandardButton montre(QWidget* parent, Boite& boite)
{
    if (repondeur_installe())
        return repondeur_installe()(boite);
    if (boite.saisie) {
        bool ok = false;
        const QString texte
            = QInputDialog::getText(parent, boite.titre, boite.texte, QLineEdit::Normal, boite.valeur, &ok);
        if (!ok)
            return QMessageBox::Cancel;
        boite.valeur = texte;
        return QMessageBox::Ok;
    }
    QMessageBox mb(boite.icone, boite.titre, boite.texte, boite.boutons, parent);
    if (boite.defaut != QMessageBox::NoButton)
        mb.setDefaultButton(boite.defaut);
    return static_cast<QMessageBox::StandardButton>(mb.exec());
}

static void simple(QWidget* parent, QMessageBox::Icon icone, const QString& titre, const QString& texte)
{
    Boite b { icone, titre, texte, QMessageBox::Ok, QMessageBox::Ok, false, {} };
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
    Boite b { icone, titre, texte, boutons, defaut, false, {} };
    return montre(parent, b);
}

bool saisie(QWidget* parent, const QString& titre, const QString& invite, QString& valeur)
{
    Boite b { QMessageBox::Question, titre, invite, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, true,
        valeur };
    if (montre(parent, b) != QMessageBox::Ok)
        return false;
    valeur = b.valeur;
    return true;
}

} // namespace boites
