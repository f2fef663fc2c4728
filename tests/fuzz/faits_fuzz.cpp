#include "core/faits.h"
#include "outils_fuzz.h"
#include "storage/fichier_texte.h"

#include <QSet>
#include <cstdint>

namespace {

const QList<int> scores_possibles {0, 1, 3, 6, 12, 25, 50, 100};

// A product code the tables know: four digits, factors 2–9 or 11–19.
void verifie_codes(const QStringList& codes)
{
    for (const QString& code : codes)
        EXIGE(code.size() == 4 && !table_du_produit(code).isEmpty() && !valeur_produit(code).isEmpty());
}

void verifie_liste_compacte(const QString& texte)
{
    const QStringList codes = lit_liste_compacte(texte);
    verifie_codes(codes);
    EXIGE(lit_liste_compacte(liste_compacte(codes)) == codes);
}

void verifie_reponses(const QString& enregistrements, int T)
{
    const QStringList dernieres = dernieres_reponses(enregistrements);
    EXIGE(dernieres.size() <= enregistrements.size() / 12);
    QSet<QString> codes;
    for (qsizetype i = 0; i < dernieres.size(); ++i) {
        const QString& entree = dernieres[i];
        EXIGE(entree.size() == 11);
        EXIGE(i == 0 || dernieres[i - 1] < entree);
        EXIGE(!codes.contains(entree.left(4)));
        codes.insert(entree.left(4));
        const int score = score_produit(entree, T);
        EXIGE(scores_possibles.contains(score));
        const int vitesse = vitesse_reponse(entree);
        EXIGE(vitesse >= 0 && vitesse <= 600 && (score > 0 || vitesse == 0));
    }
    const int score = score_test(enregistrements, T);
    EXIGE(score >= 0 && score <= 100);
    const int vitesse = vitesse_test(enregistrements);
    EXIGE(vitesse >= 0);
    // A test line of the history reads as its bare run of records.
    if (enregistrements.size() < 2 || enregistrements[1] != u'T')
        EXIGE(vitesse_test(QStringLiteral("\tTEST de 14:03:02 à 14:06:40 ") + enregistrements) == vitesse);
}

void verifie_pourcentage(const QString& enregistrements, const QString& noms_tables, int T)
{
    const int p = pourcentage_tables(enregistrements, noms_tables, T);
    EXIGE(p >= -1 && p <= 100);
    if (test_complet(enregistrements, noms_tables))
        EXIGE(p >= 0);
}

// "nom=ddd" in ascending score order; returns the names.
QStringList verifie_classement(const QStringList& classement)
{
    QStringList noms;
    int precedente = 0;
    for (const QString& ligne : classement) {
        const qsizetype egal = ligne.indexOf(u'=');
        EXIGE(egal > 0 && ligne.size() == egal + 4);
        bool ok = false;
        const int valeur = ligne.mid(egal + 1).toInt(&ok);
        EXIGE(ok && valeur >= precedente && valeur <= 100);
        precedente = valeur;
        noms.append(ligne.left(egal));
    }
    return noms;
}

void verifie_selection(const QStringList& etudies, const QString& enregistrements, int n, int T)
{
    const QStringList tables = verifie_classement(classement_tables(etudies, enregistrements, T));
    EXIGE(QSet<QString>(tables.cbegin(), tables.cend()).size() == tables.size());
    for (const QString& nom : tables)
        EXIGE(taille_table(nom) > 0);
    const QStringList produits = verifie_classement(classement_produits(etudies, enregistrements, T));
    EXIGE(produits.size() == etudies.size());

    const QStringList trous = selection_produits(ModeSelection::trous, n, etudies, enregistrements, T);
    EXIGE(trous.size() <= n);
    for (const QString& code : trous)
        EXIGE(etudies.contains(code));
    const QStringList entieres
        = selection_produits(ModeSelection::tables_entieres, n, etudies, enregistrements, T);
    EXIGE(tables.isEmpty() == entieres.isEmpty());
    for (const QString& code : entieres)
        EXIGE(tables.contains(table_du_produit(code)));
}

} // namespace

// Any bytes as "objectives line, then a run of answer records": compact lists, scores, rankings and
// the selection of products to learn.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QString texte
        = depuis_cp1252(QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    const qsizetype saut = texte.indexOf(u'\n');
    const QString objectifs = saut < 0 ? texte : texte.left(saut);
    const QString enregistrements = saut < 0 ? texte : texte.mid(saut + 1);
    const int T = 1 + int(taille % 99);
    const int n = 1 + int(taille % 64);

    verifie_liste_compacte(texte);
    verifie_liste_compacte(objectifs);
    const QStringList etudies = produits_des_objectifs(objectifs);
    verifie_codes(etudies);

    verifie_reponses(enregistrements, T);
    verifie_pourcentage(enregistrements, QStringLiteral("tables_classiques"), T);
    verifie_pourcentage(enregistrements, objectifs, T);
    verifie_selection(etudies, enregistrements, n, T);
    verifie_selection(produits_des_tables(QStringLiteral("tables_classiques")), enregistrements, n, T);
    return 0;
}
