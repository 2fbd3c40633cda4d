certaliv_test(test_culori SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_culori.cpp)
certaliv_test(test_cuvinte SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_cuvinte.cpp)
certaliv_test(test_date_versiune SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_date_versiune.cpp)
certaliv_test(test_ferestre OWN_MAIN SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_ferestre.cpp)
