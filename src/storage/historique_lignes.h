#pragma once

#include <QString>

// The lines of a history file: a séance header, then one tab-led line per activity.

// Tab + "TEST de " + start + " à " + end + " ": the answer records begin at character 30.
constexpr int longueur_prefixe_test = 29;

QString ligne_entete_seance(const QString& jour, const QString& date, const QString& debut,
    const QString& fin, const QString& nom_poste);
// Times that are not 8 characters long are cut or padded so that the records still begin at character 30.
QString ligne_test(const QString& debut, const QString& fin, const QString& enregistrements);
QString ligne_apprentissage(const QString& debut, const QString& fin, int repetitions);
QString ligne_perfectionnement(const QString& debut, const QString& fin, const QString& niveau);

// One 12-character answer record; the time (tenths) is kept within 0–999 and the answer within 0–9999.
QString enregistrement_reponse(const QString& code, int dixiemes, int reponse);

// The answer records of a test line (its text from character 30); "" for a shorter line.
QString enregistrements_de_ligne(const QString& ligne);

bool est_entete_seance(const QString& ligne); // any line holding "/"
// A test line: holds "TEST" and is not a header (a computer named "SALLE-TEST" must not make its header a
// test).
bool est_ligne_test(const QString& ligne);
// The date key of a header ("Mardi 03/12/2024"): from character 11 up to the year, at most 20 characters.
QString cle_date_entete(const QString& ligne);
