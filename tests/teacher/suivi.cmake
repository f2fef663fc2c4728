# The class follow-up and maintenance: the rules on their own, then the pages in the console, offscreen.
tabrix_test(tests_suivi_regles SOURCES ${CMAKE_CURRENT_LIST_DIR}/suivi_regles_test.cpp LIENS tabrix_professeur_regles)
target_compile_definitions(tests_suivi_regles PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
tabrix_test(tests_suivi_console GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/suivi_console_test.cpp LIENS tabrix_gui)
target_compile_definitions(tests_suivi_console PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
