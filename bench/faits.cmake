tabrix_bench(bench_faits SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_faits.cpp LIENS tabrix_faits)
