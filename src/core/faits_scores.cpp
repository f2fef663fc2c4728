#include "faits.h"
#include "faits_interne.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace faits_interne;

namespace {

constexpr int taille_enregistrement = 12;

QString valeur_3(int v)
{
    return zeros_devant(qMax(v, 0), 3);
}

} // namespace

bool lit_entree(QStringView entree, int& a, int& b, int& t, int& reponse)
{
    if (entree.size() < 11)
        return false;
    int d[11];
    for (int i = 0; i < 11; ++i) {
        const unsigned c = unsigned(entree[i].unicode()) - u'0';
        if (c > 9)
            return false;
        d[i] = int(c);
    }
    a = d[0] * 10 + d[1];
    b = d[2] * 10 + d[3];
    t = d[4] * 100 + d[5] * 10 + d[6];
    reponse = d[7] * 1000 + d[8] * 100 + d[9] * 10 + d[10];
    return true;
}

namespace {

// Score of a right answer given in t tenths of a second.
int bareme(int t, int T)
{
    if (t <= 10 * T)
        return 100;
    if (t <= 20 * T)
        return 50;
    if (t <= 30 * T)
        return 25;
    if (t <= 40 * T)
        return 12;
    if (t <= 50 * T)
        return 6;
    if (t <= 60 * T)
        return 3;
    return 1;
}

int score_entree(QStringView entree, int T)
{
    int a, b, t, reponse;
    if (!lit_entree(entree, a, b, t, reponse) || reponse != a * b)
        return 0;
    return bareme(t, T);
}

// Same as score_entree for an entry whose factors a and b were already read from its code.
int score_facteurs_lus(const QChar* entree, int a, int b, int T)
{
    int d[7];
    for (int i = 0; i < 7; ++i) {
        const unsigned c = unsigned(entree[4 + i].unicode()) - u'0';
        if (c > 9)
            return 0;
        d[i] = int(c);
    }
    const int t = d[0] * 100 + d[1] * 10 + d[2];
    const int reponse = d[3] * 1000 + d[4] * 100 + d[5] * 10 + d[6];
    return reponse == a * b ? bareme(t, T) : 0;
}

constexpr int paires = 20 * 20;

// Factor pair of a four-digit code below 20 x 20, the only codes a table holds; -1 otherwise.
inline int paire(const QChar* code)
{
    unsigned d[4];
    for (int i = 0; i < 4; ++i) {
        d[i] = unsigned(code[i].unicode()) - u'0';
        if (d[i] > 9)
            return -1;
    }
    const unsigned a = d[0] * 10 + d[1];
    const unsigned b = d[2] * 10 + d[3];
    return a < 20 && b < 20 ? int(a * 20 + b) : -1;
}

// Scores of the last-answer list by product code, read once for all the tables of a ranking.
class ScoresParCode
{
public:
    ScoresParCode(QStringView enregistrements, int T)
    {
        par_paire.fill(-1);
        for (const QStringView entree : vues_dernieres_reponses(enregistrements)) {
            const int p = paire(entree.data());
            if (p >= 0)
                par_paire[p] = score_entree(entree, T);
            else
                autres.insert(entree.first(4).toString(), score_entree(entree, T));
        }
    }

    // -1 for a code never answered.
    int valeur(const QString& code) const
    {
        const int p = code.size() == 4 ? paire(code.constData()) : -1;
        return p >= 0 ? par_paire[p] : autres.value(code, -1);
    }

private:
    std::array<int, paires> par_paire; // table codes, the usual case
    QHash<QString, int> autres; // any other code a record may hold
};

// Percentage of the products of one table; -1 when none of them was answered.
int pourcentage_liste(const QStringList& produits, const ScoresParCode& scores)
{
    if (produits.isEmpty())
        return -1;
    int somme = 0;
    bool evalue = false;
    for (const QString& code : produits) {
        const int v = scores.valeur(code);
        if (v < 0)
            continue;
        somme += v;
        evalue = true;
    }
    return evalue ? somme / int(produits.size()) : -1;
}

// Usual runs hold only table codes: a slot per factor pair keeps the index of its last record, already in
// code order. False when a record holds another code.
bool derniers_par_paire(QStringView enregistrements, std::array<int, paires>& dernier)
{
    const qsizetype nombre = enregistrements.size() / taille_enregistrement;
    dernier.fill(-1);
    for (qsizetype lus = 0; lus < nombre; ++lus) {
        const int p = paire(enregistrements.data() + lus * taille_enregistrement + 1);
        if (p < 0)
            return false;
        dernier[p] = int(lus);
    }
    return true;
}

} // namespace

QVarLengthArray<QStringView, 64> vues_dernieres_reponses(QStringView enregistrements)
{
    const qsizetype nombre = enregistrements.size() / taille_enregistrement;
    const auto entree = [&](qsizetype i) {
        return enregistrements.sliced(i * taille_enregistrement + 1, taille_enregistrement - 1);
    };
    std::array<int, paires> dernier;
    QVarLengthArray<QStringView, 64> entrees;
    if (derniers_par_paire(enregistrements, dernier)) {
        for (const int i : dernier)
            if (i >= 0)
                entrees.append(entree(i));
        return entrees;
    }
    entrees.reserve(nombre);
    QHash<QStringView, qsizetype> position;
    position.reserve(nombre);
    for (qsizetype i = 0; i < nombre; ++i) {
        const QStringView e = entree(i);
        const auto it = position.constFind(e.first(4));
        if (it != position.constEnd()) {
            entrees[it.value()] = e;
        } else {
            position.insert(e.first(4), entrees.size());
            entrees.append(e);
        }
    }
    std::sort(entrees.begin(), entrees.end());
    return entrees;
}

QStringList dernieres_reponses(const QString& enregistrements)
{
    QStringList entrees;
    for (const QStringView e : vues_dernieres_reponses(enregistrements))
        entrees << e.toString();
    return entrees;
}

int score_produit(QStringView entree, int T)
{
    return score_entree(entree, T);
}

int vitesse_reponse(const QString& entree)
{
    int a, b, t, reponse;
    if (!lit_entree(entree, a, b, t, reponse) || reponse != a * b)
        return 0;
    return 600 / qMax(t, 1);
}

int vitesse_test(QStringView texte)
{
    const QStringView enregistrements = texte.size() >= 2 && texte[1] == u'T' ? texte.mid(29) : texte;
    int justes = 0;
    double secondes = 0;
    for (const QStringView entree : vues_dernieres_reponses(enregistrements)) {
        int a, b, t, reponse;
        if (!lit_entree(entree, a, b, t, reponse))
            continue;
        if (reponse == a * b)
            ++justes;
        secondes += t / 10.0;
    }
    return secondes > 0 ? int(std::lround(60.0 * justes / secondes)) : 0;
}

int score_test(const QString& enregistrements, int T)
{
    const auto entrees = vues_dernieres_reponses(enregistrements);
    if (entrees.isEmpty())
        return 0;
    int somme = 0;
    for (const QStringView entree : entrees)
        somme += score_produit(entree, T);
    return somme / int(entrees.size());
}

int pourcentage_tables(const QString& enregistrements, const QString& noms_tables, int T)
{
    return ObjectifsTables(noms_tables).pourcentage(enregistrements, T);
}

bool test_complet(const QString& enregistrements, const QString& noms_tables)
{
    return ObjectifsTables(noms_tables).complet(enregistrements);
}

ObjectifsTables::ObjectifsTables(const QString& noms_tables)
    : rang(paires, -1)
{
    const QStringList produits = produits_des_tables(noms_tables);
    nombre_produits = int(produits.size());
    for (const QString& code : produits) {
        const int p = code.size() == 4 ? paire(code.constData()) : -1;
        Q_ASSERT(p >= 0);
        if (p >= 0 && rang[p] < 0) {
            rang[p] = int16_t(distincts++);
            paire_de_rang.push_back(int16_t(p));
        }
    }
}

ObjectifsTables::Releve ObjectifsTables::releve(QStringView enregistrements, int T) const
{
    Releve r;
    if (nombre_produits == 0)
        return r;
    // Last record of each distinct product; a product named twice (a table given twice) counts once.
    std::array<int, paires> derniers;
    std::fill_n(derniers.begin(), distincts, -1);
    const qsizetype nombre = enregistrements.size() / taille_enregistrement;
    for (qsizetype i = 0; i < nombre; ++i) {
        const int p = paire(enregistrements.data() + i * taille_enregistrement + 1);
        if (p >= 0 && rang[p] >= 0)
            derniers[rang[p]] = int(i);
    }
    int somme = 0;
    bool evalue = false;
    r.complet = true;
    for (int k = 0; k < distincts; ++k) {
        const int i = derniers[k];
        if (i < 0) {
            r.complet = false;
            continue;
        }
        const int p = paire_de_rang[k];
        somme += score_facteurs_lus(
            enregistrements.data() + qsizetype(i) * taille_enregistrement + 1, p / 20, p % 20, T);
        evalue = true;
    }
    r.pourcentage = evalue ? somme / nombre_produits : -1;
    return r;
}

QStringList classement_tables(const QStringList& produits_etudies, const QString& enregistrements, int T)
{
    const ScoresParCode scores(enregistrements, T);
    struct Ligne
    {
        QString nom;
        int valeur;
    };
    std::vector<Ligne> lignes;
    QSet<QString> vus;
    for (const QString& code : produits_etudies) {
        const QString nom = table_du_produit(code);
        if (nom.isEmpty() || vus.contains(nom))
            continue;
        vus.insert(nom);
        lignes.push_back({nom, pourcentage_liste(produits_des_tables(nom), scores)});
    }
    // Ties keep their order of first appearance; a never-tested table ranks as 0.
    std::stable_sort(lignes.begin(), lignes.end(),
        [](const Ligne& x, const Ligne& y) { return qMax(x.valeur, 0) < qMax(y.valeur, 0); });
    QStringList resultat;
    resultat.reserve(qsizetype(lignes.size()));
    for (const Ligne& l : lignes)
        resultat << l.nom + u'=' + valeur_3(l.valeur);
    return resultat;
}

QStringList classement_produits(const QStringList& produits_etudies, const QString& enregistrements, int T)
{
    const ScoresParCode scores(enregistrements, T);
    struct Ligne
    {
        QString code;
        int valeur;
    };
    std::vector<Ligne> lignes;
    lignes.reserve(produits_etudies.size());
    for (const QString& code : produits_etudies)
        lignes.push_back({code, qMax(scores.valeur(code), 0)});
    std::sort(lignes.begin(), lignes.end(), [](const Ligne& x, const Ligne& y) {
        if (x.valeur != y.valeur)
            return x.valeur < y.valeur;
        return QString::compare(x.code, y.code, Qt::CaseInsensitive) < 0;
    });
    QStringList resultat;
    resultat.reserve(qsizetype(lignes.size()));
    for (const Ligne& l : lignes)
        resultat << l.code + u'=' + valeur_3(l.valeur);
    return resultat;
}

QStringList selection_produits(
    ModeSelection mode, int n, const QStringList& produits_etudies, const QString& dernier_test, int T)
{
    QStringList choisis;
    if (mode == ModeSelection::trous) {
        for (const QString& ligne : classement_produits(produits_etudies, dernier_test, T)) {
            if (choisis.size() >= n || ligne.endsWith(QStringLiteral("=100")))
                break;
            choisis << ligne.left(ligne.indexOf(u'='));
        }
        return choisis;
    }
    const QStringList tables = classement_tables(produits_etudies, dernier_test, T);
    int total = 0;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const QString nom = tables[i].left(tables[i].indexOf(u'='));
        if (i > 0) {
            total += qMax(taille_table(nom), 0);
            if (tables[i].endsWith(QStringLiteral("=100")) || n < total)
                break;
        } else {
            total = qMax(taille_table(nom), 0);
        }
        choisis << produits_des_tables(nom);
    }
    return choisis;
}
