# The access window and the console's pages, offscreen; the first start of a school year through the program.
tabrix_test(tests_professeur_console GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/console_test.cpp ${CMAKE_CURRENT_LIST_DIR}/rentree_test.cpp
    LIENS tabrix_gui)
# The "Statistiques produits" page and its window, offscreen.
tabrix_test(tests_statistiques_fenetre GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_fenetre_test.cpp LIENS tabrix_gui)
