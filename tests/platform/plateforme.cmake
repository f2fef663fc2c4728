tabrix_test(tests_plateforme GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/instance_unique_test.cpp ${CMAKE_CURRENT_LIST_DIR}/systeme_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/traduction_qt_test.cpp
    LIENS tabrix_plateforme Qt6::PrintSupport)
