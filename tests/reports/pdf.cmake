tabrix_test(tests_pdf_document SOURCES ${CMAKE_CURRENT_LIST_DIR}/pdf_document_test.cpp LIENS tabrix_pdf)
target_compile_definitions(tests_pdf_document PRIVATE DOSSIER_DONNEES="${PROJECT_SOURCE_DIR}/tests/data")
