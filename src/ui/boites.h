#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// Every message box of the program goes through here, so that tests can answer them without blocking.
namespace boites {

struct Boite
{
    QMessageBox::Icon icone = QMessageBox::Information;
    QString titre;
    QString texte;
    QMessageBox::StandardButtons boutons = QMessageBox::Ok;
    QMessageBox::StandardButton defaut = QMessageBox::NoButton;
    bool saisie = false;   // an input box: the answer text goes in `valeur`
    QString valeur;
};

// Shows the box (or hands it to the test responder) and returns the button pressed.
QMessageBox::StandardButton montre(QWidget* parent, Boite& boite);

void information(QWidget* parent, const QString& titre, const QString& texte);
void avertissement(QWidget* parent, const QString& titre, const QString& texte);
void erreur(QWidget* parent, const QString& titre, const QString& texte);
// OK/Annuler (or the given buttons); returns the button pressed.
QMessageBox::StandardButton question(QWidget* parent, const QString& titre, const QString& texte,
    QMessageBox::StandardButtons boutons = QMessageBox::Ok | QMessageBox::Cancel,
    QMessageBox::StandardButton defaut = QMessageBox::Cancel, QMessageBox::Icon icone = QMessageBox::Question);
// Input box; returns false when cancelled. `valeur` holds the pre-filled text and receives the answer.
bool saisie(QWidget* parent, const QString& titre, const QString& invite, QString& valeur);

// Tests: every box goes to the responder instead of the screen. An empty function restores the screen.
using Repondeur = std::function<QMessageBox::StandardButton(Boite&)>;
void installe_repondeur(Repondeur repondeur);

} // namespace boites
