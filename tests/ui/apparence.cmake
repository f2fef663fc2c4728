tabrix_test(tests_apparence GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/apparence_test.cpp LIENS tabrix_ui)
