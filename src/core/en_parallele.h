#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Runs travail(i) for every i in [0, n) on every core, `bloc` indices at a time, then apres(debut, fin) on
// the calling thread once each block is done, blocks in order: the place for progress and for whatever is not
// thread-safe. travail(i) must touch only what belongs to its i.
template <class Travail, class Apres>
void en_parallele(int n, int bloc, const Travail& travail, const Apres& apres)
{
    const int fils = int(std::max(1u, std::thread::hardware_concurrency()));
    for (int debut = 0; debut < n; debut += bloc) {
        const int fin = std::min(n, debut + bloc);
        std::atomic<int> suivant = debut;
        const auto boucle = [&] {
            for (int i = suivant++; i < fin; i = suivant++)
                travail(i);
        };
        {
            std::vector<std::jthread> aides;
            for (int f = 1; f < fils && f < fin - debut; ++f)
                aides.emplace_back(boucle);
            boucle();
        }
        apres(debut, fin);
    }
}
