tabrix_test(tests_professeur_regles
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/acces_etablissement_test.cpp ${CMAKE_CURRENT_LIST_DIR}/objectifs_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/enregistrement_test.cpp
    LIENS tabrix_professeur_regles)
# The per-product statistics (the gathering is tested through tabrix-outils confusions).
tabrix_test(tests_statistiques_produits
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/statistiques_produits_test.cpp
    LIENS tabrix_professeur_regles)
