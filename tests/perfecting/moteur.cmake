tabrix_test(tests_perfectionnement_moteur
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/questions_perfectionnement_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/moteur_perfectionnement_test.cpp
    LIENS tabrix_perfectionnement_moteur)
