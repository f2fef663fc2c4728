# The installed files and the .deb, checked by Debian's own validators.
add_test(NAME paquet_debian COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/verifie_paquet.sh ${PROJECT_BINARY_DIR})
set_tests_properties(paquet_debian PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 RUN_SERIAL TRUE)
