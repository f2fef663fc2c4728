tabrix_test(tests_configuration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fichier_ini_test.cpp ${CMAKE_CURRENT_LIST_DIR}/configuration_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/niveaux_test.cpp ${CMAKE_CURRENT_LIST_DIR}/config_perso_test.cpp
    LIENS tabrix_stockage)
