# The class statistics (the data of the chart and its geometry) and the pupil report exports.
tabrix_test(tests_stats_eleves_regles SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_test.cpp ${CMAKE_CURRENT_LIST_DIR}/exports_bilans_test.cpp
    LIENS tabrix_professeur_regles)
# The page, the chart's window and its exports, offscreen.
tabrix_test(tests_stats_eleves_fenetres GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats_eleves_fenetre_test.cpp
    LIENS tabrix_gui)
