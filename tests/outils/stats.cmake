# tabrix-outils stats: the subcommand in process, and the program drawing its picture.
tabrix_test(tests_outils_stats SOURCES ${CMAKE_CURRENT_LIST_DIR}/commande_stats_test.cpp LIENS tabrix_outils_commandes)
target_compile_definitions(tests_outils_stats PRIVATE PROGRAMME_OUTILS="$<TARGET_FILE:tabrix-outils>")
add_dependencies(tests_outils_stats tabrix-outils)
target_compile_definitions(tests_outils_stats PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
