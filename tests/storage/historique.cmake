# Pupil history, folders, merge and records list; the helper process serves the fault tests.
add_executable(aide_historique ${CMAKE_CURRENT_LIST_DIR}/aide_historique.cpp)
target_include_directories(aide_historique PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(aide_historique PRIVATE tabrix_stockage Qt6::Core)

tabrix_test(tests_historique
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/historique_lecture_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/lecture_historique_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/index_historiques_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/historique_enregistrement_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/historique_pannes_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/fusion_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/records_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/verrou_fichier_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/dossiers_test.cpp
    LIENS tabrix_stockage)
target_compile_definitions(tests_historique PRIVATE AIDE_HISTORIQUE="$<TARGET_FILE:aide_historique>")
add_dependencies(tests_historique aide_historique)
