#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The save and print dialogs of the console's exports, in one place so that tests answer them.
namespace dialogues {

struct DemandeFichier
{
    QString titre;
    QString dossier;
    QString nom; // proposed file name
    QString filtre; // "Document Adobe Acrobat (*.pdf)"
    QString extension; // added when the teacher types none
};

// The chosen path (the teacher confirmed replacing an existing file), or "" when cancelled.
QString fichier_a_enregistrer(QWidget* parent, const DemandeFichier& demande);
// Shows the print dialog on the printer; false when cancelled.
bool choisit_imprimante(QWidget* parent, QPrinter& imprimante, const QString& titre);

// Tests: the dialogs go to these functions instead of the screen. Empty functions restore the screen.
struct Repondeur
{
    std::function<QString(const DemandeFichier&)> fichier;
    std::function<bool(QPrinter&)> imprimante;
};
void installe_repondeur(Repondeur repondeur);

} // namespace dialogues
