tabrix_test(tests_epreuve_moteur
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/moteur_test_test.cpp ${CMAKE_CURRENT_LIST_DIR}/evaluation_test_test.cpp
    LIENS tabrix_epreuve_moteur)
