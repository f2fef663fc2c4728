tabrix_test(tests_configuration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fichier_ini_test.cpp ${CMAKE_CURRENT_LIST_DIR}/configuration_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/niveaux_test.cpp ${CMAKE_CURRENT_LIST_DIR}/config_perso_test.cpp
    LIENS tabrix_stockage)

# The Tabrix.ini fuzzer: its committed corpus is replayed by every build; a clang build configured with
# -DTABRIX_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link" also makes
# the libFuzzer executable (fuzz_configuration tests/storage/fuzz/corpus_configuration).
tabrix_test(tests_configuration_corpus
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz/corpus_replay_test.cpp ${CMAKE_CURRENT_LIST_DIR}/fuzz/configuration_fuzz.cpp
    LIENS tabrix_stockage)
target_compile_definitions(tests_configuration_corpus
    PRIVATE TABRIX_CORPUS_CONFIGURATION="${CMAKE_CURRENT_LIST_DIR}/fuzz/corpus_configuration")
if(TABRIX_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(fuzz_configuration ${CMAKE_CURRENT_LIST_DIR}/fuzz/configuration_fuzz.cpp)
    target_compile_options(fuzz_configuration PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_configuration PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_configuration PRIVATE tabrix_stockage)
endif()
