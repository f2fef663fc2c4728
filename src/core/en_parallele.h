#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Histories read at once. Reading them is mostly waiting where the school's folder is on a server: 16 at
// once read a school 4 to 5 times faster than one per core there, and cost nothing on a local disk.
inline int fils_de_lecture()
{
    return std::max(16, int(std::thread::hardware_concurrency()));
}

// Work that keeps a core busy (drawing, scoring): one thread per core.
inline int fils_de_calcul()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

// Runs travail(i) for every i in [0, n) on `fils` threads (fils_de_lecture() when 0), then
// apres(debut, fin) on the calling thread for each block of `bloc` indices once all of it is done, blocks
// in order: the place for progress and for whatever is not thread-safe. The threads go on with the next
// blocks meanwhile. travail(i) must touch only what belongs to its i.
template <class Travail, class Apres>
void en_parallele(int n, int bloc, const Travail& travail, const Apres& apres, int fils = 0)
{
    if (n <= 0)
        return;
    bloc = std::max(1, bloc);
    fils = std::min(n, fils > 0 ? fils : fils_de_lecture());
    const int blocs = (n + bloc - 1) / bloc;
    std::vector<std::atomic<int>> restants(static_cast<size_t>(blocs));
    for (int b = 0; b < blocs; ++b)
        restants[size_t(b)] = std::min(n, (b + 1) * bloc) - b * bloc;
    std::atomic<int> suivant = 0;
    std::mutex m;
    std::condition_variable bloc_fini;
    const auto boucle = [&] {
        for (int i = suivant++; i < n; i = suivant++) {
            travail(i);
            if (--restants[size_t(i / bloc)] == 0) {
                // Under the lock, so that the caller cannot miss it between its check and its wait.
                const std::lock_guard verrou(m);
                bloc_fini.notify_one();
            }
        }
    };
    std::vector<std::jthread> aides;
    for (int f = 0; f < fils; ++f)
        aides.emplace_back(boucle);
    for (int b = 0; b < blocs; ++b) {
        {
            std::unique_lock verrou(m);
            bloc_fini.wait(verrou, [&] { return restants[size_t(b)] == 0; });
        }
        apres(b * bloc, std::min(n, (b + 1) * bloc));
    }
}
