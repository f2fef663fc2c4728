#pragma once

#include "storage/fichier_ini.h"
#include "storage/taille_affichage.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The general keys of Tabrix.ini that the "Réglages" dialog and the teacher console's "Paramètres" page both
// edit, as one value, with the rules that load it from the file and write it back.
//
// Use: `ParametresGeneraux p = lit_parametres(ini);` shows what the file holds, every value within the
// range its control offers; after editing, check `refus_formule(p.formule)` (empty: usable), then
// `ecrit_parametres_communs(ini, p)` (console) or `ecrit_reglages(ini, p)` (dialog: also the mode and the
// default objectives), and `ini.enregistre()`.

namespace formules {
inline const QStringList proposees {
    QStringLiteral("1.1.2.1.3"), QStringLiteral("1.1.1.3"), QStringLiteral("1.1.2.1.1.4")};
} // namespace formules

struct BornesEntier
{
    int min;
    int max;
    int defaut; // what the program uses when the key is missing
};

namespace bornes {
constexpr BornesEntier temps_acceptable {1, 99, 4};
constexpr BornesEntier temps_maximum {1, 99, 20};
constexpr BornesEntier temps_initial {1, 99, 8};
constexpr BornesEntier temps_final {1, 99, 4};
constexpr BornesEntier items_par_bloc {2, 4, 3};
} // namespace bornes

struct ParametresGeneraux
{
    int temps_acceptable = bornes::temps_acceptable.defaut;
    int temps_maximum = bornes::temps_maximum.defaut;
    int temps_initial = bornes::temps_initial.defaut;
    int temps_final = bornes::temps_final.defaut;
    bool ordre_valeur_produit = false; // else "par tables"
    int items_par_bloc = bornes::items_par_bloc.defaut;
    QString formule = formules::proposees.first();
    bool apprentissage_obligatoire = false;
    bool chrono_visible = true;
    bool pause_visible = true;
    bool masquer_incomplets = false;
    bool configuration_personnelle = true;

    // Only the "Réglages" dialog edits these.
    bool mode_ecole = false;
    bool objectifs_etendus = false; // the family shown, and the only one saved
    QVector<int> tables_classiques; // ticked among 2 … 9, increasing
    QVector<int> tables_etendues; // ticked among 11 (squares) … 19, increasing
    QString objectifs_classiques_lus; // values found in the file, written back when the boxes still match
    QString objectifs_etendus_lus;
    QString formule_lue; // the file's own formula: written back as it was when left untouched
    QString affichage = taille_affichage::comme_le_bureau; // this machine's "Taille de l'affichage"

    bool operator==(const ParametresGeneraux&) const = default;
};

// A missing key shows what the program uses without it; a value outside its control's range, the nearest
// bound; an unknown order, "par tables"; objectives naming no table, the whole family's default.
ParametresGeneraux lit_parametres(const FichierIni& ini);

// The keys the console and the dialog share.
void ecrit_parametres_communs(FichierIni& ini, const ParametresGeneraux& p);
// Every key of the dialog. Objectives of the family shown only; none ticked ticks the family's default
// (tables 2 to 9, or the squares), in `p` too so that the controls show what is written.
void ecrit_reglages(FichierIni& ini, ParametresGeneraux& p);

// The tables ticked in an objectives value, among `premiere` … `derniere`.
QVector<int> tables_cochees(const QString& objectifs, int premiere, int derniere);
// "table_2,table_5"; "table_carres" for 11.
QString noms_des_tables(const QVector<int>& numeros);

// Why a learning formula cannot build a plan, in French; empty when it can.
QString refus_formule(const QString& formule);
// The refusal of the formula about to be saved, in the console as in the dialog: none for the file's own
// formula left untouched (the start-up already replaces one it cannot use), else `refus_formule`.
QString refus_formule_a_enregistrer(const ParametresGeneraux& p);
// How one group of blocks is learnt, "A, B, AB, C, ABC"; empty for an unusable formula.
QString lecture_formule(const QString& formule);
