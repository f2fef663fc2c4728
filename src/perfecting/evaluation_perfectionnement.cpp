#include "perfecting/evaluation_perfectionnement.h"

#include <utility>

EvaluationPerfectionnement evalue_la_reponse(QVector<Paire> p, const QVector<Paire>& t, int produit)
{
    const int k = int(qMin(p.size(), t.size()));
    QVector<bool> place(k, false);
    // First pass: a typed pair equal to an expected one, in either order, takes it into its slot.
    for (int j = 0; j < k; ++j) {
        for (int i = 0; i < k; ++i) {
            if (p[j].a == t[i].b)
                std::swap(p[j].a, p[j].b);
            if (p[j].a == t[i].a && p[j].b == t[i].b) {
                std::swap(p[j], p[i]);
                place[i] = true;
            }
        }
    }
    // Second pass: a pair left over faces a slot that shares one factor with it.
    for (int j = 0; j < k; ++j) {
        for (int i = 0; i < k; ++i) {
            if ((p[j].b == t[i].a || p[j].a == t[i].b) && !place[j])
                std::swap(p[j].a, p[j].b);
            if ((p[j].b == t[i].b || p[j].a == t[i].a) && !place[j]) {
                std::swap(p[j], p[i]);
                place[j] = true;
            }
        }
    }

    EvaluationPerfectionnement e;
    e.alignees = p;
    e.rouges.fill(false, 2 * k);
    for (int i = 0; i < k; ++i) {
        const bool bon_produit = t[i].a.toInt() * t[i].b.toInt() == produit;
        const bool faux[2] = {p[i].a != t[i].a, p[i].b != t[i].b};
        for (int f = 0; f < 2; ++f) {
            if (!faux[f])
                continue;
            e.rouges[2 * i + f] = true;
            if (bon_produit)
                e.paire_inattendue = true;
            else
                ++e.erreurs;
        }
    }
    return e;
}
