# Only app/ includes the activity windows: a folder that reaches up breaks the build.
add_test(NAME couches COMMAND ${CMAKE_COMMAND} -DSOURCES=${PROJECT_SOURCE_DIR}/src
    -P ${PROJECT_SOURCE_DIR}/cmake/couches.cmake)
