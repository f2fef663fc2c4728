tabrix_bench(bench_historique SOURCES ${CMAKE_CURRENT_LIST_DIR}/historique_bench.cpp LIENS tabrix_stockage)
target_include_directories(bench_historique PRIVATE ${PROJECT_SOURCE_DIR}/tests)
