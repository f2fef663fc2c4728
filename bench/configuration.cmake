tabrix_bench(bench_configuration SOURCES ${CMAKE_CURRENT_LIST_DIR}/configuration_bench.cpp LIENS tabrix_stockage)
