tabrix_test(tableau_fenetre_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tableau_fenetre_test.cpp
    LIENS tabrix_gui
    GUI)
