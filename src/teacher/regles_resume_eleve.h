#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A pupil's work summary from his history: séances, total time, and the test of each test day.

struct JourTeste
{
    QString date; // as the séance header writes it: "Mardi 03/12/2024"
    QString ligne; // the test line that opens the day's first tested séance
};

struct ResumeEleve
{
    int seances = 0;
    QString premiere_seance; // date of the first séance, for a history without a test day
    int secondes = 0; // total time of the séances
    QVector<JourTeste> jours; // file order, every test day (no limit)

    QStringList phrases() const; // the séance count sentences
    QString temps_total() const; // "temps total: hh:mm:ss"
};

ResumeEleve resume_eleve(const QStringList& historique);

// Family name and first name of a history file path ("…/Dupont_Marie.txt" → "Dupont", "Marie").
QStringList nom_et_prenom(const QString& chemin);
// The class of a class line ("\t61: 2 élèves.....67%" → "61").
QString classe_de_ligne(const QString& ligne);
