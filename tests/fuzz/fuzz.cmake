# libFuzzer targets of the files that come from other machines: Tabrix.ini, histories and their merge, the
# records list, answer runs and compact lists, level and objective values, and a history turned into a report.
# Every build replays each committed corpus; a clang build configured with -DTABRIX_FUZZ=ON
# -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link"
# also makes the libFuzzer executables (fuzz_historique tests/fuzz/corpus_historique, and so on).
set(tabrix_dossier_fuzz ${CMAKE_CURRENT_LIST_DIR})

function(tabrix_cible_fuzz nom bibliotheque)
    tabrix_test(tests_fuzz_${nom}_corpus
        SOURCES ${tabrix_dossier_fuzz}/corpus_replay_test.cpp ${tabrix_dossier_fuzz}/${nom}_fuzz.cpp
        LIENS ${bibliotheque})
    target_compile_definitions(tests_fuzz_${nom}_corpus PRIVATE TABRIX_CORPUS="${tabrix_dossier_fuzz}/corpus_${nom}")
    if(TABRIX_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_executable(fuzz_${nom} ${tabrix_dossier_fuzz}/${nom}_fuzz.cpp)
        target_compile_options(fuzz_${nom} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(fuzz_${nom} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(fuzz_${nom} PRIVATE ${bibliotheque})
    endif()
endfunction()

tabrix_cible_fuzz(configuration tabrix_stockage)
tabrix_cible_fuzz(historique tabrix_stockage)
tabrix_cible_fuzz(records tabrix_stockage)
tabrix_cible_fuzz(faits tabrix_stockage)
tabrix_cible_fuzz(niveaux tabrix_stockage)
tabrix_cible_fuzz(bilan tabrix_pdf)
