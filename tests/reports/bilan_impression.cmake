tabrix_test(tests_bilan_impression SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_impression_test.cpp
    LIENS tabrix_rapports GUI)
