tabrix_test(tests_identification
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_regles_test.cpp
    LIENS tabrix_seance)
tabrix_test(tests_identification_dossiers
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_dossiers_test.cpp
    LIENS tabrix_seance)
