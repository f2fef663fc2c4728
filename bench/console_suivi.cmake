tabrix_bench(bench_console_suivi SOURCES ${CMAKE_CURRENT_LIST_DIR}/console_suivi_bench.cpp LIENS tabrix_gui)
target_include_directories(bench_console_suivi PRIVATE ${PROJECT_SOURCE_DIR}/tests)
