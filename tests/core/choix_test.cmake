tabrix_test(tests_choix_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/choix_test_test.cpp LIENS tabrix_faits)
