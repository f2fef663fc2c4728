tabrix_bench(bench_rapports SOURCES ${CMAKE_CURRENT_LIST_DIR}/rapports_bench.cpp LIENS tabrix_pdf)
