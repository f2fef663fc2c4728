#pragma once

#include "storage/lecture_historique.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// Progress over the school year: a pupil's test days, and the mean score of classes week by week
// (the pupil summary's chart, "Progression" on "Statistiques élèves", `tabrix-outils progression`).

// One test day of a pupil: the first test of the day, as the summary shows it.
struct PointProgression
{
    QDate jour;
    int score = -1; // over the classic tables, -1 for a test without any of them
    int vitesse = 0; // correct answers per minute
};

// The pupil's test days in file order; with `annee` ("2024-2025"), only those of that school year.
QVector<PointProgression> progression_eleve(
    const ResumeEleve& resume, int temps_acceptable, const QString& annee = {});

// The pupil's test days for a spreadsheet: "date;score;rapidité", an empty score for a test without any
// classic product.
QStringList lignes_csv_eleve(const QVector<PointProgression>& points);

// The school year of a date ("2024-2025"), changing on 1 September.
QString annee_scolaire_de(const QDate& jour);
// Monday of the week holding 1 September of the school year; invalid for a name that is no year.
QDate premier_lundi(const QString& annee);
// Weeks from that Monday to the one holding 31 August.
int semaines_de_l_annee(const QString& annee);

struct EleveProgression
{
    QString classe;
    QVector<PointProgression> points;
};

struct CourbeClasse
{
    QString classe;
    QVector<int> moyennes; // one per week of the year, -1 for a week without any test
    int eleves = 0;
};

struct DonneesProgression
{
    QString annee;
    QVector<CourbeClasse> courbes; // in the order of the classes asked
    QStringList illisibles; // histories that could not be read, counted without test

    int semaines() const { return semaines_de_l_annee(annee); }
    // "semaine du 02/09/2024" then one column per class, tab-separated; "-" for a week without test.
    QStringList lignes_texte() const;
    // The same for a spreadsheet, ";" separated, an empty cell for a week without test.
    QStringList lignes_csv() const;
};

// Each week's mean of the classes: every pupil who tested that week brings the mean of his test days of
// the week (so a pupil tested three times weighs as one), the class the mean of those, rounded half to even.
DonneesProgression moyennes_par_semaine(
    const QString& annee, const QStringList& classes, const QVector<EleveProgression>& eleves);

struct ParametresProgression
{
    QString dossier_etablissement; // the history files
    QString annee; // its folder holds one folder per class, one shortcut per pupil
    QStringList classes; // ticked classes, in the order to draw
    int temps_acceptable = 4;
};

// Reads the pupils of the ticked classes. A pupil whose shortcut is in two classes of the year counts in
// the first of them in folder order, as the class of a test date is found: never twice.
DonneesProgression progression_classes(const ParametresProgression& p);

// What a screen reader says of the charts.
QString description_progression_eleve(const QVector<PointProgression>& points);
QString description_progression_classes(const DonneesProgression& d);
