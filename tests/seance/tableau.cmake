tabrix_test(tableau_de_bord_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tableau_de_bord_test.cpp ${CMAKE_CURRENT_LIST_DIR}/tableau_graphique_test.cpp
    LIENS tabrix_seance)
