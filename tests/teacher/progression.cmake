# Progress over the school year: weekly means on a hand-made school.
tabrix_test(tests_progression SOURCES ${CMAKE_CURRENT_LIST_DIR}/progression_test.cpp LIENS tabrix_professeur_regles)
target_compile_definitions(tests_progression PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
