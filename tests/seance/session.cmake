tabrix_test(tests_session
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/session_demarrage_test.cpp ${CMAKE_CURRENT_LIST_DIR}/session_eleve_test.cpp
    LIENS tabrix_seance)
