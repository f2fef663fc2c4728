tabrix_bench(bench_suivi SOURCES ${CMAKE_CURRENT_LIST_DIR}/suivi_bench.cpp LIENS tabrix_professeur_regles)
target_include_directories(bench_suivi PRIVATE ${PROJECT_SOURCE_DIR}/tests)
