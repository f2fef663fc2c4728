#include "core/en_parallele.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Each index done exactly once, before the block that holds it is handed back; blocks handed back in order,
// whole, on the calling thread; nothing at all for no work.
TEST(EnParallele, chaque_indice_une_fois_et_les_blocs_dans_l_ordre)
{
    struct Cas
    {
        int n, bloc, fils;
    };
    for (const auto& [n, bloc, fils] : {Cas {0, 64, 0}, Cas {1, 64, 0}, Cas {64, 64, 0}, Cas {1000, 64, 0},
             Cas {7, 1, 0}, Cas {5, 100, 0}, Cas {1000, 64, 1}, Cas {100, 7, 3}, Cas {3, 1, 16}}) {
        std::vector<std::atomic<int>> faits(static_cast<size_t>(n));
        std::vector<std::pair<int, int>> blocs;
        const auto appelant = std::this_thread::get_id();
        en_parallele(
            n, bloc, [&](int i) { ++faits[size_t(i)]; },
            [&](int debut, int fin) {
                EXPECT_EQ(std::this_thread::get_id(), appelant);
                for (int i = debut; i < fin; ++i)
                    EXPECT_EQ(faits[size_t(i)].load(), 1) << i;
                blocs.emplace_back(debut, fin);
            },
            fils);
        int attendu = 0;
        for (const auto& [debut, fin] : blocs) {
            EXPECT_EQ(debut, attendu);
            EXPECT_EQ(fin, std::min(n, debut + bloc));
            attendu = fin;
        }
        EXPECT_EQ(attendu, n) << n << " par " << bloc << " sur " << fils << " fils";
    }
}
