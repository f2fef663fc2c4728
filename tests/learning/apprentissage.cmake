tabrix_test(tests_apprentissage_moteur
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/plan_apprentissage_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/moteur_apprentissage_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/disposition_apprentissage_test.cpp
    LIENS tabrix_apprentissage_moteur tabrix_stockage)
tabrix_test(tests_tapprent SOURCES ${CMAKE_CURRENT_LIST_DIR}/tapprent_test.cpp LIENS tabrix_gui GUI)
