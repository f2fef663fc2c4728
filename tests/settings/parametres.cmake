tabrix_test(tests_parametres
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/parametres_generaux_test.cpp
    LIENS tabrix_reglages_noyau)

# The shared groups in both windows, the dialog opened from the dashboard, and a new start that finds its
# settings.
tabrix_test(tests_treglages GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/champs_parametres_test.cpp ${CMAKE_CURRENT_LIST_DIR}/treglages_test.cpp
    LIENS tabrix_gui)
