# The four commands' outputs and the histories they refuse to read are tested on the same small school.
tabrix_test(tests_outils_liste SOURCES ${CMAKE_CURRENT_LIST_DIR}/commande_liste_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commande_sortie_test.cpp LIENS tabrix_outils_commandes)
target_compile_definitions(tests_outils_liste PRIVATE PROGRAMME_OUTILS="$<TARGET_FILE:tabrix-outils>"
    DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
add_dependencies(tests_outils_liste tabrix-outils)
