# Screen readers and keyboards: the rules every window keeps, and a walk through every window of the program.
add_library(tabrix_regles_accessibilite STATIC
    ${CMAKE_CURRENT_LIST_DIR}/regles_accessibilite.cpp ${CMAKE_CURRENT_LIST_DIR}/regles_accessibilite.h)
target_include_directories(tabrix_regles_accessibilite PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tabrix_regles_accessibilite PUBLIC Qt6::Widgets)

tabrix_test(tests_accessibilite
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/promenade_test.cpp ${CMAKE_CURRENT_LIST_DIR}/commandes_accessibles_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/texte_lu_test.cpp ${CMAKE_CURRENT_LIST_DIR}/cadre_focus_test.cpp
    LIENS tabrix_regles_accessibilite tabrix_gui
    GUI)
