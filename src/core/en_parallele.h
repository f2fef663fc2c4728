#pragma once

#include <algorithm>
#include <atomic>
#include <barrier>
#include <thread>
#include <vector>

// Runs travail(i) for every i in [0, n) on every core, `bloc` indices at a time, then apres(debut, fin) on
// the calling thread once each block is done, blocks in order, while no travail runs: the place for progress
// and for whatever is not thread-safe. travail(i) must touch only what belongs to its i. The threads are
// started once and meet between blocks: on a loaded machine a thread start costs more than a light block.
template <class Travail, class Apres>
void en_parallele(int n, int bloc, const Travail& travail, const Apres& apres)
{
    if (n <= 0)
        return;
    bloc = std::max(1, bloc);
    const int fils = int(std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), unsigned(n)));
    std::atomic<int> suivant = 0;
    int fin = 0;
    bool termine = false;
    std::barrier rendez_vous(fils);
    const auto travaille = [&] {
        for (int i = suivant++; i < fin; i = suivant++)
            travail(i);
    };
    std::vector<std::jthread> aides;
    for (int f = 1; f < fils; ++f)
        aides.emplace_back([&] {
            for (;;) {
                rendez_vous.arrive_and_wait(); // a block is ready, or the end
                if (termine)
                    return;
                travaille();
                rendez_vous.arrive_and_wait(); // the block is done
            }
        });
    for (int debut = 0; debut < n; debut += bloc) {
        suivant = debut;
        fin = std::min(n, debut + bloc);
        rendez_vous.arrive_and_wait();
        travaille();
        rendez_vous.arrive_and_wait();
        apres(debut, fin);
    }
    termine = true;
    rendez_vous.arrive_and_wait();
}
