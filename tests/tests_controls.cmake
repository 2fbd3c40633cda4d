certaliv_test(test_controale
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/test_qeb_stiluri.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/test_qeb_editare.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/test_qeb_numere.cpp
    LIBS controls)
