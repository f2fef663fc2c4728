tabrix_test(tests_ligne_commande
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ligne_commande_test.cpp ${CMAKE_CURRENT_LIST_DIR}/echelle_ecran_test.cpp
    LIENS tabrix_seance)
