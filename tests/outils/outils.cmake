tabrix_test(tests_outils SOURCES ${CMAKE_CURRENT_LIST_DIR}/commande_bilan_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commande_confusions_test.cpp LIENS tabrix_outils_commandes)
target_compile_definitions(tests_outils PRIVATE PROGRAMME_OUTILS="$<TARGET_FILE:tabrix-outils>")
add_dependencies(tests_outils tabrix-outils)
