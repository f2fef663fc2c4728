tabrix_test(tests_identification
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_regles_test.cpp
    LIENS tabrix_app_logique)
tabrix_test(tests_identification_dossiers
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_dossiers_test.cpp
    LIENS tabrix_app_logique)
tabrix_test(tests_identification_fenetre GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/identification_fenetre_test.cpp
    LIENS tabrix_app)
# Not a test: draws the window's states into PNG files (run under Xvfb for the documentation).
add_executable(identification_captures EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/identification_captures.cpp)
target_include_directories(identification_captures PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(identification_captures PRIVATE tabrix_app Qt6::Test)
