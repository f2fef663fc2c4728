tabrix_bench(bench_bilan SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_bench.cpp LIENS tabrix_professeur_regles)
target_include_directories(bench_bilan PRIVATE ${PROJECT_SOURCE_DIR}/tests)
