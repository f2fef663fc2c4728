tabrix_test(tests_bilan_contenu SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_contenu_test.cpp LIENS tabrix_pdf)
tabrix_test(tests_bilan_pdf SOURCES ${CMAKE_CURRENT_LIST_DIR}/bilan_pdf_test.cpp LIENS tabrix_pdf)
