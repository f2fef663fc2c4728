#include "perfecting/questions_perfectionnement.h"

#include "core/faits.h"

#include <QtGlobal>
#include <cstdlib>
#include <utility>

namespace {

const char* const textes_niveaux[] = {"facile", "pas facile", "pas facile du tout"};

int valeur_entree(const QString& entree)
{
    return entree.left(4).toInt();
}

// Whether the entry already holds this pair, in either order.
bool contient_paire(const QString& entree, const QString& code)
{
    const QString commute = produit_commute(code);
    for (int i = 4; i + 4 <= entree.size(); i += 4) {
        const QStringView c = QStringView(entree).mid(i, 4);
        if (c == code || c == commute)
            return true;
    }
    return false;
}

} // namespace

QString texte_niveau(NiveauPerfectionnement niveau)
{
    return QString::fromUtf8(textes_niveaux[int(niveau)]);
}

std::optional<NiveauPerfectionnement> niveau_de_texte(const QString& texte)
{
    for (int i = 0; i < 3; ++i) {
        if (texte == QLatin1String(textes_niveaux[i]))
            return NiveauPerfectionnement(i);
    }
    return std::nullopt;
}

QStringList questions_perfectionnement(const QStringList& produits_etudies)
{
    QStringList entrees;
    for (const QString& code : produits_etudies) {
        const int a = code.left(2).toInt();
        const int v = a * code.mid(2, 2).toInt();
        const QString v4 = zeros_devant(v, 4);
        qsizetype n = entrees.size() - 1;
        while (n >= 0 && !entrees[n].startsWith(v4))
            --n;
        if (n < 0)
            entrees.append(v4 + code);
        else if (v >= a * a && !contient_paire(entrees[n], code)) // a repeated pair would be asked twice
            entrees[n] += code;
    }
    entrees.sort();
    return entrees;
}

int nombre_paires(const QString& entree)
{
    return int(entree.size()) / 4 - 1;
}

int total_paires(const QStringList& questions)
{
    int k = 0;
    for (const QString& q : questions)
        k += qMin(nombre_paires(q), paires_posees_max);
    return k;
}

int points_par_paire(const QStringList& questions)
{
    const int c = int(questions.size());
    return qMax(1, 100 / qMax(1, total_paires(questions) + (c + 1) / 4));
}

bool motif_evident(const QStringList& questions)
{
    const int c = int(questions.size());
    if (c < 4)
        return true;
    QVector<int> p(c);
    for (int i = 0; i < c; ++i)
        p[i] = valeur_entree(questions[i]);
    int d2 = 0;
    for (int i = 2; i < c; ++i)
        d2 += std::abs(p[i - 2] - 2 * p[i - 1] + p[i]);
    int d3 = 0;
    for (int i = 3; i < c; ++i)
        d3 += std::abs(p[i - 3] - 3 * p[i - 2] + 3 * p[i - 1] - p[i]);
    return d2 / (c - 2) == 0 || d3 / (c - 3) == 0;
}

void melange_des_questions(QVector<int>& ordre, Hasard& hasard)
{
    for (int m = int(ordre.size()) - 1; m >= 1; --m) {
        const int j = std::uniform_int_distribution<int>(0, m - 1)(hasard) + 1;
        std::swap(ordre[m], ordre[j]);
    }
}

QVector<int> ordre_cycle_suivant(const QVector<double>& vitesses, double tirage)
{
    const int c = int(vitesses.size()) - 1;
    QVector<int> ordre(c + 1, 0);
    if (c < 1)
        return ordre;
    // An entry still at 1000.0 after a whole cycle only ever ran out of time: it is the slowest, not the
    // fastest.
    QVector<double> cumul(c + 1, 0.0);
    for (int n = 1; n <= c; ++n) {
        const double v = vitesses[n] == 1000.0 ? 0.0 : qMax(0.0, vitesses[n]);
        cumul[n] = cumul[n - 1] + 1.0 / (1.0 + v);
    }
    const double somme = cumul[c];
    for (int n = 1; n < c; ++n)
        cumul[n] /= somme;
    cumul[c] = 1.0;
    const double depart = tirage > 0.0 ? tirage : 1e-12;
    int n = 1;
    for (int position = 1; position <= c; ++position) {
        const double u = (depart + (position - 1)) / c;
        while (n < c && cumul[n] < u)
            ++n;
        ordre[position] = n;
    }
    return ordre;
}
