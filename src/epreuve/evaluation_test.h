#pragma once

#include "core/etat.h"

#include <QString>
#include <QStringList>

// What the result panel says about one finished test.
struct EvaluationTest
{
    bool classique = false; // the first record is a classic product
    bool complet = false; // the selection was exactly the tables of 2 to 9
    int score = 0; // s: score_test of the records
    int pourcentage_classiques = -1; // c: the 64 classic products, untested ones counting 0
    int vitesse = 0; // v: correct answers per minute

    // Lines "key=t" from the weakest table to the strongest.
    QStringList tables_mal;
    QStringList tables_bien;
    QString texte_mal; // Label5: "3 et 7."
    QString texte_bien; // Label9
    QString libelle_mal; // Label4: "la table de " / "les tables de "
    QString libelle_bien; // Label8
    int table_conseil = 0; // 0 when every tested table is known well
    QString conseil; // Label10

    QString niveau; // Label_apprec
    QString pourcent; // label_pourcent: s + "%"
    int largeur_pourcent = 0;
    QString tu_sais; // Label_tu_sais
    QString c_est_a_dire; // Label11, empty for a complete test
};

// The selection is the tables of 2 to 9, exactly and in order.
bool selection_complete(const QStringList& produits);
// Both factors of the first record are below 10.
bool est_test_classique(const QString& enregistrements);
// "7", "3 et 7.", "3, 6 et 8." from lines "key=t".
QString texte_liste_tables(const QStringList& lignes);

// The records are the answer records only (the séance line from character 30).
EvaluationTest evalue_test(const QString& enregistrements, bool complet, int T);

// "RECORD BATTU!!!": the pupil's line is the best of a list of more than 30 lines, with a very good level.
bool record_battu(int rang, int lignes_dans_liste, const QString& niveau);

// A finished test: the séance flags are set; the first test of the day (today's key absent from the
// chart) also becomes dernier_test, resets the learning choice and, for a classic test, adds the day to
// the chart. Returns whether the dashboard's chart and learning choice changed.
bool remet_test_a_l_eleve(EtatEleve& eleve, const QString& ligne_seance, const QString& cle_du_jour, int T);

// The table "Etape suivante" leads to: the weakest table of classement_tables (2 to 19); 0 when the ranking
// is empty and the pupil goes to perfecting.
int table_etape_suivante(const QStringList& classement_tables);
