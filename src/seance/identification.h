#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Rules of the identification window that need neither a window nor a folder: pupil codes, the filtering
// of typed names and codes, the display form of the name lists, and the likeness of two names.

// K of code_de_nom. Below N + 1, so the running product never reaches a multiple of N + 1 and every code
// can be typed. Changing it changes every pupil's code.
inline constexpr int cle_code_eleve = 175759;
// N + 1, where N = 26 × 26 × 10 × 26 is the number of possible codes.
inline constexpr int nombre_codes_plus_un = 26 * 26 * 10 * 26 + 1;

// Four characters: two lower-case letters, a digit, a lower-case letter; computed from the base name.
QString code_de_nom(const QString& nom_fichier);
// The code of a running product h (steps 2 to 4 of the computation).
QString code_de_produit(int h);

// Letters at positions 1, 2 and 4, a digit or a letter at position 3; other characters are removed.
QString elimine_caracteres_interdits_code(const QString& texte);
// Letters of the name alphabet, and single spaces or hyphens after a kept letter.
QString elimine_caracteres_interdits_nom_prenom(const QString& texte);
// Capital after a space, a hyphen or an underscore, small letters elsewhere (from the second character).
QString rectifie_majuscules(const QString& texte);
// Removes the spaces that do not stand between two letters.
QString nettoie_espaces(const QString& nom_fichier);
// Optimal-string-alignment distance, byte by byte in Windows-1252.
int distance_noms(const QString& x, const QString& y);
// Whether b looks like the pupil a (words of either part in any order, up to two edits).
bool noms_semblables(const QString& a, const QString& b);

// A field's text after filtering, with the caret placed after the filtered text that stood before it.
struct SaisieFiltree
{
    QString texte;
    int curseur = 0;
    bool change = false; // the field must receive `texte`
};
// Code field: filtered and shown in lower case.
SaisieFiltree filtre_saisie_code(const QString& texte, int curseur);
// Family name or first name field: filtered, first letter upper-cased, capitals rectified.
SaisieFiltree filtre_saisie_nom(const QString& texte, int curseur);
// Registration is possible once both fields hold more than one character.
bool inscription_possible(const QString& nom, const QString& prenom);

// "Dupont_Marie.txt" is shown "Dupont Marie" (non-breaking space); the reverse gives "Dupont_Marie".
QString forme_affichee(const QString& nom_fichier_avec_extension);
QString nom_de_forme_affichee(const QString& forme);
// A base name usable as a file name of a pupil: family name, "_", first name, no folder separator.
bool nom_fichier_valide(const QString& nom_fichier);

// Entries in list order, cut into columns of `par_colonne`.
QVector<QStringList> colonnes_noms(const QStringList& formes, int par_colonne = 15);

// "Etais-tu en CM1 l'année dernière?" for k = 1, then " il y a k ans?".
QString question_ancien_eleve(const QString& classe, int annees);
