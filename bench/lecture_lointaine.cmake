# Reading the school's histories on the local disk and through a folder that waits like a file server.
# fuse_lent is built only where libfuse3-dev is installed; the benchmark measures the local disk alone
# without it.
tabrix_bench(bench_lecture_lointaine SOURCES ${CMAKE_CURRENT_LIST_DIR}/lecture_lointaine_bench.cpp
    LIENS tabrix_professeur_regles)
target_include_directories(bench_lecture_lointaine PRIVATE ${PROJECT_SOURCE_DIR}/tests)
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(FUSE3 QUIET IMPORTED_TARGET fuse3)
endif()
if(FUSE3_FOUND)
    enable_language(C)
    add_executable(fuse_lent ${CMAKE_CURRENT_LIST_DIR}/fuse_lent.c)
    target_link_libraries(fuse_lent PRIVATE PkgConfig::FUSE3)
    target_compile_options(fuse_lent PRIVATE -Wall -Wextra -Wpedantic)
    target_compile_definitions(bench_lecture_lointaine PRIVATE FUSE_LENT="$<TARGET_FILE:fuse_lent>")
    add_dependencies(bench_lecture_lointaine fuse_lent)
endif()
