#pragma once

#include "core/choix_test.h"
#include "reports/bilan_contenu.h"
#include "storage/fichier_texte.h"
#include "storage/objectifs_tests_complets.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Horloge;

// Where the console's exports are proposed: the working folder's "stats" folder when there is one,
// otherwise the working folder itself.
QString dossier_des_exports(const QString& dossier_programme);

// The node of the class follow-up tree whose reports are exported: its entry in the list of paths, its text
// and its parent's text.
struct NoeudExporte
{
    QString chemin; // a history (".txt") for a pupil, the class folder for a class
    QString texte;
    QString texte_parent;
    bool hors_classe = false; // a pupil listed without class folders: his report names no class
};

// What chooses the test of each pupil and what the report prints besides it.
struct ContexteExport
{
    ModeChoixTest mode = ModeChoixTest::dernier;
    QString date; // dd/mm/yyyy
    bool masquer_incomplets = false;
    ObjectifsTestsComplets objectifs; // read for the class of each pupil
    int temps_acceptable = 4;
    QString etablissement; // its name, printed with the class
    QString dossier_etablissement; // the history files
};

struct BilansExportes
{
    QVector<DonneesBilan> bilans; // one page each, in order
    QStringList ignores; // French, one line per pupil left out
    QString nom_propose; // base name of the pupil, or "Classe de " + class folder
    bool noeud_exportable = false; // a pupil or a class: the summary line or nothing selected is not
};

// One pupil's report, or why he has none: a French line that begins with `nom`.
struct BilanEleve
{
    std::optional<DonneesBilan> bilan;
    QString raison;
};
// `classe`: printed on the page, and its level's objectives make a complete test.
BilanEleve bilan_eleve(
    const QString& chemin, const QString& nom, const QString& classe, const ContexteExport& contexte);

// A pupil whose report is asked for: his history, the name that begins his messages, his class.
struct EleveExporte
{
    QString chemin;
    QString nom;
    QString classe;
};
// Their reports, or why none, in the order given; the histories are read on every core.
QVector<BilanEleve> bilans_eleves(const QVector<EleveExporte>& eleves, const ContexteExport& contexte);

// A pupil's report, or every pupil's of the class in alphabetical order without regard to case. Pupils
// without a qualifying classic test, or whose history is missing or unreadable, are left out.
BilansExportes bilans_du_noeud(const NoeudExporte& noeud, const ContexteExport& contexte);

// The reports in one PDF, one page each, drawn on every core; the file is replaced whole or left as it was.
Ecriture ecrit_bilans_pdf(const QVector<DonneesBilan>& bilans, const QString& chemin, const Horloge& horloge);

// The message telling which pupils were left out, or "" when none was.
QString message_ignores(const QStringList& ignores);
