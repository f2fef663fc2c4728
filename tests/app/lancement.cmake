# Launches the real program: one instance at a time, a first start in an empty folder.
tabrix_test(tests_lancement SOURCES ${CMAKE_CURRENT_LIST_DIR}/lancement_test.cpp LIENS tabrix_plateforme)
add_dependencies(tests_lancement tabrix)
target_compile_definitions(tests_lancement PRIVATE TABRIX_EXECUTABLE="$<TARGET_FILE:tabrix>")
