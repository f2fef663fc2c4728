tabrix_test(tests_identification
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_regles_test.cpp
    LIENS tabrix_app_logique)
tabrix_test(tests_identification_dossiers
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_dossiers_test.cpp
    LIENS tabrix_app_logique)
tabrix_test(tests_identification_fenetre GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_fenetre_test.cpp
    LIENS tabrix_app)
