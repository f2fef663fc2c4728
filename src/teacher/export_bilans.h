#pragma once

#include "teacher/regles_exports.h"

class ArbreEleves;
class Horloge;
class PageSuivi;
class QWidget;
class Session;

// The exports of "Suivi de classes": the reports of the selected pupil, or of every pupil of the selected
// class, to a PDF file or to the printer. Nothing happens for the summary line or no selection.

// "Enregistrer": the save dialog opens in `dossier` on the proposed name. Returns the file written, or "".
QString ButtonEnregistrerClick(QWidget* parent, const NoeudExporte& noeud, const ContexteExport& contexte,
    const QString& dossier, const Horloge& horloge);
// "Imprimer": one page per report after the print dialog. Returns the number of pages printed.
int ImprimerBilan(QWidget* parent, const NoeudExporte& noeud, const ContexteExport& contexte);

// The selected node of the tree as the exports see it; an empty entry when nothing is selected.
NoeudExporte noeud_selectionne(const ArbreEleves& arbre);
// Connects and enables the page's "Enregistrer" and "Imprimer" buttons.
void branche_exports(PageSuivi& page, Session& session);
