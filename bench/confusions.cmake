tabrix_bench(bench_confusions SOURCES ${CMAKE_CURRENT_LIST_DIR}/confusions_bench.cpp LIENS tabrix_professeur_regles)
target_include_directories(bench_confusions PRIVATE ${PROJECT_SOURCE_DIR}/tests)
