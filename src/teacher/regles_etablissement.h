#pragma once

#include "core/etat.h"
#include "storage/fichier_ini.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The "Etablissement" page without its widgets: what it shows on opening, and what saving it writes.

struct Etablissement
{
    QString nom;
    QVector<Niveau> niveaux;
};

struct OuvertureEtablissement
{
    Etablissement etablissement;
    QString annee_trouvee; // school year whose levels are shown; empty: the default levels
    QStringList remarques; // French: names changed or dropped while reading the stored value
};

// The establishment name ("Collège de Valbrume" when none) and the most recent "Niveaux et classes" value of
// the current school year and the ten before, else the four default levels.
OuvertureEtablissement etablissement_a_l_ouverture(const FichierIni& ini, const QString& annee_scolaire);

QStringList noms_des_niveaux(const QVector<Niveau>& niveaux);

// Names as the level table holds them: trimmed and cut to 10 characters.
Etablissement etablissement_coupe(const Etablissement& saisi);

// The characters a level or class name may not hold: they would leave the year's folder or split the value.
bool caractere_refuse_dans_un_nom(QChar c);

// French reasons why the (cut) establishment cannot be saved: empty names, names that cannot be folders,
// and a class name used twice in the establishment (one folder per class) or a level name used twice.
QStringList erreurs_etablissement(const Etablissement& coupe);

// The pupils' histories ("*.txt") a change of establishment name would leave behind: the program looks for
// them under the name's folder of the pupils' root. 0 when the name is unchanged (case included).
int historiques_laisses(const QString& dossier_eleves, const QString& ancien_nom, const QString& nouveau_nom);

// Writes "Nom" and "Niveaux et classes " + school year; the keys of other years are left in place.
void ecrit_etablissement(FichierIni& ini, const QString& annee_scolaire, const Etablissement& coupe);
