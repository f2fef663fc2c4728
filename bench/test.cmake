tabrix_bench(bench_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_bench.cpp LIENS tabrix_test_moteur tabrix_rapports Qt6::Gui)
