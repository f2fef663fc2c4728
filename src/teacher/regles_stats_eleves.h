#pragma once

class IndexHistoriques;

#include "core/choix_test.h"
#include "core/etat.h"
#include "storage/lecture_historique.h"
#include "storage/objectifs_tests_complets.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// Class statistics of "Statistiques élèves": groups of pupils compared on one chosen test, as the
// tab-separated data text that the chart draws.

namespace axes_stats {
// Abscissa keys.
inline const QString classe = QStringLiteral("classe");
inline const QString niveau = QStringLiteral("niveau");
inline const QString score = QStringLiteral("score");
inline const QString rapidite = QStringLiteral("nb bonnes rép/mn");
// Ordinate keys (score and rapidite as above).
inline const QString nb_eleves = QStringLiteral("nb élèves");
inline const QString pourcentage_eleves = QStringLiteral("% élèves");
} // namespace axes_stats

// Speeds of 495 correct answers per minute and more all fall in the last bucket.
inline constexpr int seaux_rapidite_maximum = 100;

struct ParametresStats
{
    QString abscisse = axes_stats::niveau;
    QString ordonnee = axes_stats::rapidite;
    ModeChoixTest mode = ModeChoixTest::dernier;
    QString date; // dd/mm/yyyy
    bool masquer_incomplets = false;
    ObjectifsTestsComplets objectifs; // what a complete test holds, when incomplete tests are hidden
    int temps_acceptable = 4; // seconds, for the score
    QVector<Niveau> niveaux;
    // Ticked classes, level after level in table order; a missing entry counts as ticked.
    QVector<bool> classes_cochees;
    QString dossier_annee; // one folder per class holding one shortcut per pupil
    QString dossier_etablissement; // the history files
};

struct DonneesStats
{
    QString titre;
    int haut = 1; // top of the vertical scale
    int nb_eleves = 0; // pupils of the ticked classes, tested or not
    QVector<QPair<QString, int>> barres; // label, value
    QStringList illisibles; // histories that exist but could not be read, counted as untested

    QString texte_eleves() const { return QString::number(nb_eleves) + QStringLiteral(" élèves"); }
    // Title, top, N élèves, then label and value of each bar, separated by tabs.
    QString texte() const;
    // Semicolon-separated: the two axes, one bar per line, then the pupil count.
    QStringList lignes_csv() const;
};

// Whether the two keys make a chart: a class or level abscissa shows a mean score or speed, a score or
// speed abscissa shows how many pupils (or what share of them) fall in each band.
bool axes_compatibles(const QString& abscisse, const QString& ordonnee);
QString titre_ordonnee(const QString& ordonnee);

// Reads the histories of the ticked classes and builds the chart's data. Unknown or mismatched keys give
// an empty chart. Through `index` when given.
DonneesStats genere_donnees(const ParametresStats& p, IndexHistoriques* index = nullptr);

// The top of the scale for a largest value: the next multiple of its leading digit's power of ten.
int haut_echelle(int plus_grande);

// The data text back into its parts; nullopt when it lacks the three first fields or a value is no number.
std::optional<DonneesStats> lit_donnees_stats(const QString& texte);
