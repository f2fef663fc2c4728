tabrix_bench(bench_epreuve SOURCES ${CMAKE_CURRENT_LIST_DIR}/epreuve_bench.cpp LIENS tabrix_epreuve_moteur tabrix_rapports Qt6::Gui)
