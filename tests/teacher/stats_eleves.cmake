# The class statistics (the data of the chart and its geometry) and the pupil report exports.
tabrix_test(tests_stats_eleves_regles SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_test.cpp ${CMAKE_CURRENT_LIST_DIR}/exports_bilans_test.cpp
    LIENS tabrix_professeur_regles)
target_compile_definitions(tests_stats_eleves_regles PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
# The statistics page, the chart's window and the report exports of the class follow-up, in the console.
tabrix_test(tests_stats_eleves_console GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_console_test.cpp
    LIENS tabrix_gui)
target_compile_definitions(tests_stats_eleves_console PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
