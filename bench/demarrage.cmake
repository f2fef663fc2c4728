tabrix_bench(bench_demarrage SOURCES ${CMAKE_CURRENT_LIST_DIR}/demarrage_bench.cpp LIENS tabrix_seance)
target_include_directories(bench_demarrage PRIVATE ${PROJECT_SOURCE_DIR}/tests)
