tabrix_test(tests_fichier_texte SOURCES ${CMAKE_CURRENT_LIST_DIR}/fichier_texte_test.cpp LIENS tabrix_stockage)
