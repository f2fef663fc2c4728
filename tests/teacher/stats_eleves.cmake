# The class statistics (the data of the chart and its geometry) and the pupil report exports.
tabrix_test(tests_stats_eleves_regles SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_test.cpp ${CMAKE_CURRENT_LIST_DIR}/exports_bilans_test.cpp
    LIENS tabrix_professeur_regles)
# The page, the chart's window and its exports, offscreen.
tabrix_test(tests_stats_eleves_fenetres GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_fenetre_test.cpp
    LIENS tabrix_gui)
# The exports and the statistics page inside the console, over the class follow-up's small school.
tabrix_test(tests_stats_eleves_console GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_console_test.cpp
    LIENS tabrix_gui)
target_compile_definitions(tests_stats_eleves_console PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
