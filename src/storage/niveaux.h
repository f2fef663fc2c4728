#pragma once

#include "core/etat.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The two structured values of the "Etablissement" section: levels and classes
// ("sixième<61,62>cinquième<51,52,53>") and objectives per level ("sixième<table_2,table_3>").

inline constexpr int niveaux_maximum = 15;
inline constexpr int classes_maximum = 20;
inline constexpr int longueur_nom_maximum = 10;
// The establishment name is a folder holding every history. At 3 bytes per Windows-1252 character in UTF-8,
// 64 characters always make a folder name (255 bytes at most), and the longest path under it, a shortcut of
// the longest pupil name in a class folder while an atomic write renames it (125 characters), stays within
// the 260 of Windows machines sharing the server for a pupils' root of up to 69 characters.
inline constexpr int longueur_nom_etablissement_maximum = 64;

inline const QString niveaux_par_defaut
    = QStringLiteral("sixième<61,62>cinquième<51,52,53>quatrième<41,42,43>troisième<31,32>");

struct LectureNiveaux
{
    QVector<Niveau> niveaux;
    QStringList remarques; // French, one line per kind of change; empty when the value was used as written
};

// Class names become folders of the school year: a character that a folder name cannot hold becomes "_",
// and a name made of dots only becomes as many "_", so no name ever leads outside the year's folder.
QString nom_dossier_sur(const QString& nom);
// For fields where the teacher types a name: true when nom_dossier_sur would leave it unchanged.
bool nom_dossier_valide(const QString& nom);
// A name as the level table holds it: trimmed, cut to 10 characters, made folder-safe.
QString nom_de_niveau_ou_classe(const QString& nom);
// The establishment name a start works with. One that no folder can bear (over 255 bytes in UTF-8) is cut to
// the length typed names are held to, as the console then shows it; a shorter one is kept as it is, since a
// folder of that name may already hold histories.
QString nom_etablissement_utilisable(const QString& nom);

// Scans the value: "<" ends a level name, "," or ">" ends a class name, ">" closes the level. Empty names
// are skipped; levels beyond 15 and classes beyond 20 are dropped and told once in `remarques`.
LectureNiveaux lit_niveaux(const QString& valeur);
QString ecrit_niveaux(const QVector<Niveau>& niveaux);

struct ObjectifsNiveau
{
    QString niveau;
    QStringList tables;
};

QVector<ObjectifsNiveau> lit_objectifs(const QString& valeur);
QString ecrit_objectifs(const QVector<ObjectifsNiveau>& objectifs);
// The comma-separated tables of the level whose block name is this level (not a name merely containing
// it); nullopt when the level has no block or its block names no table.
std::optional<QString> objectifs_du_niveau(const QString& valeur, const QString& niveau);
