# A pupil's whole journey through the real windows, from the program's start to a new start.
tabrix_test(tests_parcours GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/parcours_test.cpp
    LIENS tabrix_gui)
