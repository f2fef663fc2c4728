#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>
#include <cstdint>
#include <vector>

// Multiplication facts: product codes "aabb", tables, answer records "P"+code+ttt+rrrr, scores and rankings.
// Pure functions. T is the acceptable response time in seconds.

// --- Codes and tables ---
QString nom_table(int numero); // "" for an unknown number
int numero_table(const QString& nom); // -1 for an unknown name
QString produits_de_table(const QString& nom); // comma-separated codes, "" when unknown
QString produits_de_table(int numero);
int taille_table(const QString& nom); // -1 for "tables_etendues" and unknown names
QString table_du_produit(const QString& code);
QString tables_des_produits(const QStringList& codes);
QStringList produits_des_tables(const QString& noms_tables);
QString valeur_produit(const QString& code); // "63"
QString valeur_produit_4(const QString& code); // "0063"
QString produit_commute(const QString& code); // "0907" for "0709"

// --- Compact list notation: 7x<2-9>,8x<2-3,5> ---
QString liste_compacte(const QStringList& codes);
QStringList lit_liste_compacte(const QString& texte);
// A text of table names, or a compact list when it does not contain "table": the product codes it names.
QStringList produits_des_objectifs(const QString& texte);

// --- Answers and scores ---
QStringList dernieres_reponses(const QString& enregistrements); // 11-character entries sorted by code
// The same entries as views of `enregistrements`, for a count over many tests that keeps none of them.
QVarLengthArray<QStringView, 64> vues_dernieres_reponses(QStringView enregistrements);
// The four fields of an entry (factors, tenths, answer), which fill its eleven characters, all digits; false
// when the entry is malformed.
bool lit_entree(QStringView entree, int& a, int& b, int& t, int& reponse);
int score_produit(QStringView entree, int T);
int vitesse_reponse(const QString& entree);
int vitesse_test(QStringView texte); // a test line of the history, or a bare run of records
int score_test(const QString& enregistrements, int T);
int pourcentage_tables(
    const QString& enregistrements, const QString& noms_tables, int T); // -1: not evaluated
bool test_complet(const QString& enregistrements, const QString& noms_tables);

// Table names expanded once, for scoring a whole history against the same objectives.
class ObjectifsTables
{
public:
    explicit ObjectifsTables(const QString& noms_tables);

    struct Releve
    {
        bool complet = false; // same as test_complet
        int pourcentage = -1; // same as pourcentage_tables
    };
    Releve releve(QStringView enregistrements, int T) const;
    int pourcentage(QStringView enregistrements, int T) const
    {
        return releve(enregistrements, T).pourcentage;
    }
    bool complet(QStringView enregistrements) const { return releve(enregistrements, 0).complet; }

private:
    int nombre_produits = 0; // repeats included: the divisor of the percentage
    std::vector<int16_t> rang; // by factor pair a * 20 + b: index among the distinct products, or -1
    std::vector<int16_t> paire_de_rang; // the other way round
    int distincts = 0;
};

// --- Rankings and selection ---
QStringList classement_tables(const QStringList& produits_etudies, const QString& enregistrements, int T);
QStringList classement_produits(const QStringList& produits_etudies, const QString& enregistrements, int T);

enum class ModeSelection
{
    tables_entieres,
    trous
};
QStringList selection_produits(
    ModeSelection mode, int n, const QStringList& produits_etudies, const QString& dernier_test, int T);

// --- Score bands ---
enum class Bande
{
    tres_faible,
    faible,
    passable,
    bien,
    tres_bien,
    parfait
};
Bande bande_score(int p);
QString niveau_score(int p); // "très faible" … "parfait"
QString mot_table(int p); // short form under a table's column: "T.faible" … "parfait", "" for -1
unsigned int couleur_bande(Bande b); // 0xRRGGBB: red, orange, yellow, green, blue, fuchsia

// --- Text helpers ---
QString zeros_devant(int n, int largeur);
QString sans_zeros_devant(const QString& texte);
QString sans_accents(const QString& texte);
// A response time in tenths of a second as the pupil reads it: 42 → "4,2s" (or "4.2s"), 40 → "4s".
QString texte_dixiemes(int dixiemes, QChar virgule);
int dixiemes(qint64 ms); // ms / 100, halves to the even neighbour, at most 999
int nombre_chiffres(int valeur);
QString libelle_produit(const QString& code); // "6×9"
