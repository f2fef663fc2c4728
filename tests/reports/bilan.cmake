tabrix_test(tests_bilan_contenu SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_contenu_test.cpp LIENS tabrix_pdf)
tabrix_test(tests_bilan_pdf SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_pdf_test.cpp LIENS tabrix_pdf)

# The report fuzzer (a history file from anywhere → test choice → report page): its committed corpus is
# replayed by every build; a clang build with -DTABRIX_FUZZ=ON also makes the libFuzzer executable
# (fuzz_bilan tests/reports/fuzz/corpus_bilan).
tabrix_test(tests_bilan_corpus
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz/corpus_replay_test.cpp ${CMAKE_CURRENT_LIST_DIR}/fuzz/bilan_fuzz.cpp
    LIENS tabrix_pdf)
target_compile_definitions(tests_bilan_corpus PRIVATE TABRIX_CORPUS_BILAN="${CMAKE_CURRENT_LIST_DIR}/fuzz/corpus_bilan")
if(TABRIX_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(fuzz_bilan ${CMAKE_CURRENT_LIST_DIR}/fuzz/bilan_fuzz.cpp)
    target_compile_options(fuzz_bilan PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_bilan PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_bilan PRIVATE tabrix_pdf)
endif()
