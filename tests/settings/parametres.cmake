tabrix_test(tests_parametres
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/parametres_generaux_test.cpp
    LIENS tabrix_reglages_noyau)

tabrix_test(tests_champs_parametres GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/champs_parametres_test.cpp
    LIENS tabrix_reglages_fenetres)
