tabrix_bench(bench_outils SOURCES ${CMAKE_CURRENT_LIST_DIR}/outils_bench.cpp LIENS tabrix_stockage)
target_include_directories(bench_outils PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_outils PRIVATE PROGRAMME_OUTILS="$<TARGET_FILE:tabrix-outils>")
add_dependencies(bench_outils tabrix-outils)
