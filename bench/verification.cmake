tabrix_bench(bench_verification SOURCES ${CMAKE_CURRENT_LIST_DIR}/verification_bench.cpp
    LIENS tabrix_professeur_regles)
target_include_directories(bench_verification PRIVATE ${PROJECT_SOURCE_DIR}/tests)
