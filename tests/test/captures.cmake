# Screenshots of the test window for the documentation; not a test (run it under Xvfb, see captures_test.cpp).
add_executable(captures_test_mode ${CMAKE_CURRENT_LIST_DIR}/captures_test.cpp)
target_include_directories(captures_test_mode PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(captures_test_mode PRIVATE tabrix_test_fenetres tabrix_gui Qt6::Test)
