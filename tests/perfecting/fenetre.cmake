tabrix_test(tests_tperfect
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tperfect_test.cpp ${CMAKE_CURRENT_LIST_DIR}/compteur_score_test.cpp
    LIENS tabrix_perfectionnement_fenetres tabrix_gui GUI)
