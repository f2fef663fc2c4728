#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;

// Every dialog of the program (message, input, file and print boxes) goes through here, so that tests can
// answer them without blocking.
namespace boites {

struct Boite
{
    QMessageBox::Icon icone = QMessageBox::Information;
    QString titre;
    QString texte;
    QMessageBox::StandardButtons boutons = QMessageBox::Ok;
    QMessageBox::StandardButton defaut = QMessageBox::NoButton;
    bool saisie = false; // an input box: the answer text goes in `valeur`
    QString valeur;
    QStringList choix; // a choice box when not empty: the chosen element goes in `valeur`
};

// Shows the box (or hands it to the test responder) and returns the button pressed.
QMessageBox::StandardButton montre(QWidget* parent, Boite& boite);

void information(QWidget* parent, const QString& titre, const QString& texte);
void avertissement(QWidget* parent, const QString& titre, const QString& texte);
void erreur(QWidget* parent, const QString& titre, const QString& texte);
// OK/Annuler (or the given buttons); returns the button pressed.
QMessageBox::StandardButton question(QWidget* parent, const QString& titre, const QString& texte,
    QMessageBox::StandardButtons boutons = QMessageBox::Ok | QMessageBox::Cancel,
    QMessageBox::StandardButton defaut = QMessageBox::Cancel,
    QMessageBox::Icon icone = QMessageBox::Question);
// Input box; returns false when cancelled. `valeur` holds the pre-filled text and receives the answer.
bool saisie(QWidget* parent, const QString& titre, const QString& invite, QString& valeur);

// Choice among `elements`; returns false when cancelled. `index` holds the element first shown and receives
// the one chosen.
bool choix(
    QWidget* parent, const QString& titre, const QString& invite, const QStringList& elements, int& index);

// Tests: every box goes to the responder instead of the screen. An empty function restores the screen.
using Repondeur = std::function<QMessageBox::StandardButton(Boite&)>;
void installe_repondeur(Repondeur repondeur);

struct DemandeFichier
{
    QString titre;
    QString dossier;
    QString nom; // proposed file name
    QString filtre; // "Document Adobe Acrobat (*.pdf)"
    QString extension; // added when the user types none
    bool ouverture = false; // choosing a file to read rather than one to write
};

// The chosen path, or "" when cancelled. When saving, the user has confirmed replacing an existing file.
QString fichier_a_enregistrer(QWidget* parent, const DemandeFichier& demande);
QString fichier_a_ouvrir(QWidget* parent, const DemandeFichier& demande);
// Shows the print dialog on the printer; false when cancelled.
bool choisit_imprimante(QWidget* parent, QPrinter& imprimante, const QString& titre);

// Tests: file and print dialogs go to these functions instead of the screen. Empty functions restore it.
struct RepondeurFichiers
{
    std::function<QString(const DemandeFichier&)> fichier;
    std::function<bool(QPrinter&)> imprimante;
};
void installe_repondeur_fichiers(RepondeurFichiers repondeur);

} // namespace boites
