#include "core/en_parallele.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Each index done exactly once, before the block that holds it is handed back and none of a later block;
// blocks handed back in order, whole, on the calling thread; nothing at all for no work.
TEST(EnParallele, chaque_indice_une_fois_et_les_blocs_dans_l_ordre)
{
    for (const auto& [n, bloc] : {std::pair {0, 64}, std::pair {1, 64}, std::pair {64, 64},
             std::pair {1000, 64}, std::pair {7, 1}, std::pair {5, 100}}) {
        std::vector<std::atomic<int>> faits(static_cast<size_t>(n));
        std::vector<std::pair<int, int>> blocs;
        const auto appelant = std::this_thread::get_id();
        en_parallele(
            n, bloc, [&](int i) { ++faits[size_t(i)]; },
            [&](int debut, int fin) {
                EXPECT_EQ(std::this_thread::get_id(), appelant);
                for (int i = debut; i < fin; ++i)
                    EXPECT_EQ(faits[size_t(i)].load(), 1) << i;
                // Nothing of a later block has begun: apres may reuse what a block wrote.
                for (int i = fin; i < n; ++i)
                    EXPECT_EQ(faits[size_t(i)].load(), 0) << i;
                blocs.emplace_back(debut, fin);
            });
        int attendu = 0;
        for (const auto& [debut, fin] : blocs) {
            EXPECT_EQ(debut, attendu);
            EXPECT_EQ(fin, std::min(n, debut + bloc));
            attendu = fin;
        }
        EXPECT_EQ(attendu, n) << n << " par " << bloc;
    }
}
