# The real program under a window manager (Xvfb with openbox): where its windows land on the screen.
add_test(NAME fenetres_bureau COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fenetres_bureau.sh $<TARGET_FILE:tabrix>)
set_tests_properties(fenetres_bureau PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
