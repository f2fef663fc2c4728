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

// Scores of the last-answer list by product code, read once for all the tables of a ranking.
QHash<QString, int> scores_par_code(const QString& enregistrements, int T)
{
    const QStringList entrees = dernieres_reponses(enregistrements);
    QHash<QString, int> scores;
    scores.reserve(entrees.size());
    for (const QString& entree : entrees)
        scores.insert(entree.left(4), score_produit(entree, T));
    return scores;
}

// Percentage of the products of one table; -1 when none of them was answered.
int pourcentage_liste(const QStringList& produits, const QHash<QString, int>& scores)
{
    if (produits.isEmpty())
        return -1;
    int somme = 0;
    bool evalue = false;
    for (const QString& code : produits) {
        const auto it = scores.constFind(code);
        if (it == scores.constEnd())
            continue;
        somme += it.value();
        evalue = true;
    }
    return evalue ? somme / int(produits.size()) : -1;
}

QString valeur_3(int v)
{
    return zeros_devant(qMax(v, 0), 3);
}

// Answer typed and time field of an entry; false when the entry is malformed.
bool lit_entree(QStringView entree, int& a, int& b, int& t, int& reponse)
{
    if (entree.size() < 11)
        return false;
    a = premier_facteur(entree);
    b = second_facteur(entree);
    t = lit_nombre(entree.mid(4, 3));
    reponse = lit_nombre(entree.mid(7, 4));
    return a >= 0 && b >= 0 && t >= 0 && reponse >= 0;
}

int score_entree(QStringView entree, int T)
{
    int a, b, t, reponse;
    if (!lit_entree(entree, a, b, t, reponse) || reponse != a * b)
        return 0;
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

} // namespace

QStringList dernieres_reponses(const QString& enregistrements)
{
    const qsizetype nombre = enregistrements.size() / taille_enregistrement;
    QStringList entrees;
    entrees.reserve(nombre);
    QHash<QStringView, qsizetype> position;
    position.reserve(nombre);
    for (qsizetype i = 0; i < nombre; ++i) {
        const QStringView code = QStringView(enregistrements).mid(i * taille_enregistrement + 1, 4);
        const QString entree = enregistrements.mid(i * taille_enregistrement + 1, taille_enregistrement - 1);
        const auto it = position.constFind(code);
        if (it != position.constEnd()) {
            entrees[it.value()] = entree;
        } else {
            position.insert(code, entrees.size());
            entrees << entree;
        }
    }
    std::sort(entrees.begin(), entrees.end());
    return entrees;
}

int score_produit(const QString& entree, int T)
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

int vitesse_test(const QString& texte)
{
    const QString enregistrements = texte.size() >= 2 && texte[1] == u'T' ? texte.mid(29) : texte;
    int justes = 0;
    double secondes = 0;
    for (const QString& entree : dernieres_reponses(enregistrements)) {
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
    const QStringList entrees = dernieres_reponses(enregistrements);
    if (entrees.isEmpty())
        return 0;
    int somme = 0;
    for (const QString& entree : entrees)
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
        if (p >= 0 && rang[p] < 0)
            rang[p] = int16_t(distincts++);
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
        somme += score_entree(enregistrements.mid(qsizetype(i) * taille_enregistrement + 1, 11), T);
        evalue = true;
    }
    r.pourcentage = evalue ? somme / nombre_produits : -1;
    return r;
}

QStringList classement_tables(const QStringList& produits_etudies, const QString& enregistrements, int T)
{
    const QHash<QString, int> scores = scores_par_code(enregistrements, T);
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
    const QHash<QString, int> scores = scores_par_code(enregistrements, T);
    struct Ligne
    {
        QString code;
        int valeur;
    };
    std::vector<Ligne> lignes;
    lignes.reserve(produits_etudies.size());
    for (const QString& code : produits_etudies)
        lignes.push_back({code, qMax(scores.value(code, -1), 0)});
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
