#pragma once

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Runs travail(i) for every i in [0, n) on every core, and apres(debut, fin) on the calling thread for each
// block of `bloc` indices once all of them are done, blocks in order: the place for progress and for what
// only the calling thread may touch. The other threads go on with later indices meanwhile, so apres reads
// only what the done block's travail wrote. travail(i) must touch only what belongs to its i. The threads are
// started once for all blocks: on a loaded machine each start costs more than a block of light work.
template <class Travail, class Apres>
void en_parallele(int n, int bloc, const Travail& travail, const Apres& apres)
{
    if (n <= 0)
        return;
    bloc = std::max(1, bloc);
    const int blocs = (n + bloc - 1) / bloc;
    const auto restants = std::make_unique<std::atomic<int>[]>(size_t(blocs));
    for (int b = 0; b < blocs; ++b)
        restants[b].store(std::min(bloc, n - b * bloc), std::memory_order_relaxed);
    std::atomic<int> suivant = 0;
    const auto un_de_plus = [&] {
        const int i = suivant.fetch_add(1, std::memory_order_relaxed);
        if (i >= n)
            return false;
        travail(i);
        restants[i / bloc].fetch_sub(1, std::memory_order_release);
        return true;
    };
    int rendus = 0;
    const auto rend_les_blocs_finis = [&] {
        for (; rendus < blocs && restants[rendus].load(std::memory_order_acquire) == 0; ++rendus)
            apres(rendus * bloc, std::min(n, (rendus + 1) * bloc));
    };
    {
        const int fils
            = int(std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), unsigned(n)));
        std::vector<std::jthread> aides;
        for (int f = 1; f < fils; ++f)
            aides.emplace_back([&] {
                while (un_de_plus()) { }
            });
        while (un_de_plus())
            rend_les_blocs_finis();
    }
    rend_les_blocs_finis();
}
