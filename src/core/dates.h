#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Dates and times as the history files and the séance headers write them. Pure functions: the caller
// passes the moment (from an Horloge), nothing here reads the clock.

// Milliseconds since the start of 2000, counted as the history always has (years after 2000 miss the
// leap day of 2000, and 1 January 2000 is day 1): keep it so that stored stamps stay comparable.
qint64 horodatage(const QDateTime& moment);

QString annee_scolaire(QDate date); // "2024-2025"; the school year changes on 1 September
QString nom_jour(QDate date); // "Lundi" … "Dimanche"
QString date_texte(QDate date); // "dd/mm/yyyy"
QString heure_texte(QTime heure); // "hh:mm:ss"
QString cle_date(QDate date); // "Mardi 03/12/2024"

// Date of a key such as "Mardi 03/12/2024" (read around its first "/"); invalid when malformed.
QDate date_de_cle(const QString& cle);
QString date_courte(const QString& cle); // "Mar 03/12/24"; the key itself when malformed
QString annee_scolaire_de_cle(const QString& cle); // "" when malformed

// Seconds of an "hh:mm:ss" text, -1 when malformed.
int secondes_du_jour(const QString& heure);
// "hh:mm:ss" from the first time to the second, adding 24 h when the second is earlier (across midnight).
QString duree_entre(const QString& debut, const QString& fin);

// What a séance records of the moment it starts.
struct TamponsSeance
{
    QString annee_scolaire;
    QString date;
    QString jour;
    QString heure_debut;
};
TamponsSeance tampons_seance(const QDateTime& moment);
