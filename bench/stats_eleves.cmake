tabrix_bench(bench_stats_eleves SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_bench.cpp LIENS tabrix_professeur_regles)
target_include_directories(bench_stats_eleves PRIVATE ${PROJECT_SOURCE_DIR}/tests)
