# The health check of a share on a generated school damaged in every way it knows, and the classes' progress
# over the year on a hand-made one.
tabrix_test(tests_outils_verifie SOURCES ${CMAKE_CURRENT_LIST_DIR}/commande_verifie_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commande_progression_test.cpp LIENS tabrix_outils_commandes)
target_compile_definitions(tests_outils_verifie PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
