tabrix_test(tests_faits
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tables_test.cpp ${CMAKE_CURRENT_LIST_DIR}/scores_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dates_test.cpp ${CMAKE_CURRENT_LIST_DIR}/objectifs_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/amenagement_test.cpp ${CMAKE_CURRENT_LIST_DIR}/en_parallele_test.cpp
    LIENS tabrix_faits)
