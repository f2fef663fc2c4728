// Not a benchmark: how many answers a simulated pupil gives before "Bravo!", for 8, 16 and 32 products
// (the first classic tables), each offered formula and blocks of 2 to 4: the median of 21 learnings with
// the fixed seeds 1 … 21, so that the table is the same at every run. Run: apprentissage_simulation [temps de
// réponse en ms] [taux d'erreur…].
#include "apprentissage_eleve_simule.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Past this the pupil is taken never to finish: "> 100000" in the table.
constexpr int plafond_reponses = 100000;

int reponses_jusqu_a_bravo(
    int n, const QString& formule, int taille_bloc, double taux, int temps_ms, unsigned graine)
{
    Hasard hasard(graine);
    MoteurApprentissage moteur(hasard);
    ParametresApprentissage p;
    p.formule = formule;
    p.taille_bloc = taille_bloc;
    qint64 ms = 0;
    moteur.ouvre(produits_des_tables(QStringLiteral("tables_classiques")).mid(0, n), p, ms,
        QStringLiteral("10:00:00"));
    EleveSimule eleve(taux, temps_ms, 1000 + graine);
    int reponses = 0;
    while (moteur.phase() != MoteurApprentissage::Phase::fin && reponses < plafond_reponses)
        reponses += eleve.agit(moteur, ms) ? 1 : 0;
    return reponses;
}

void imprime_tableau(double taux, int temps_ms)
{
    const char* const formules[] = {"1.1.2.1.3", "1.1.1.3", "1.1.2.1.1.4"};
    std::printf("Réponses jusqu'à « Bravo! » (médiane de 21 élèves) : %.0f %% d'erreurs, réponses justes en "
                "%d ms, T = 4 s\n\n",
        taux * 100, temps_ms);
    std::printf("| produits |");
    for (const char* f : formules)
        for (int s = 2; s <= 4; ++s)
            std::printf(" %s / %d |", f, s);
    std::printf("\n|---|");
    for (int i = 0; i < 9; ++i)
        std::printf("---|");
    std::printf("\n");
    for (const int n : {8, 16, 32}) {
        std::printf("| %d |", n);
        for (const char* f : formules) {
            for (int s = 2; s <= 4; ++s) {
                std::vector<int> essais;
                for (unsigned graine = 1; graine <= 21; ++graine)
                    essais.push_back(
                        reponses_jusqu_a_bravo(n, QString::fromLatin1(f), s, taux, temps_ms, graine));
                std::nth_element(essais.begin(), essais.begin() + 10, essais.end());
                const int r = essais[10];
                if (r >= plafond_reponses)
                    std::printf(" > %d |", plafond_reponses);
                else
                    std::printf(" %d |", r);
            }
        }
        std::printf("\n");
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const int temps_ms = argc > 1 ? std::atoi(argv[1]) : 2500;
    if (argc <= 2) {
        for (const double taux : {0.02, 0.05, 0.1})
            imprime_tableau(taux, temps_ms);
    }
    for (int i = 2; i < argc; ++i)
        imprime_tableau(std::atof(argv[i]), temps_ms);
    return 0;
}
