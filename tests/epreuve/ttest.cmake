tabrix_test(tests_ttest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/banc_ttest.h ${CMAKE_CURRENT_LIST_DIR}/ttest_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ttest_resultat_test.cpp ${CMAKE_CURRENT_LIST_DIR}/widgets_test_test.cpp
    LIENS tabrix_epreuve_fenetres tabrix_gui GUI)
