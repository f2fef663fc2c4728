tabrix_test(tests_graphique_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphique_test_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/description_graphique_test.cpp LIENS tabrix_rapports GUI)
