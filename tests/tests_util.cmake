certaliv_test(test_culori SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/test_culori.cpp)
