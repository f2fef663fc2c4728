tabrix_test(tests_test_moteur
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/moteur_test_test.cpp ${CMAKE_CURRENT_LIST_DIR}/evaluation_test_test.cpp
    LIENS tabrix_epreuve_moteur)
