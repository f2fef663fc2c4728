tabrix_test(tests_identification_fenetre GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_fenetre_test.cpp
    LIENS tabrix_app)
