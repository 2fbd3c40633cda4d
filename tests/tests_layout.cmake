add_library(test_masura_pdf STATIC MasuraPdf.h MasuraPdf.cpp)
target_link_libraries(test_masura_pdf PUBLIC layout GTest::gtest Qt6::PrintSupport)
target_include_directories(test_masura_pdf PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

certaliv_test(test_formular_de_printat SOURCES test_formular_de_printat.cpp LIBS layout)
certaliv_test(test_text_area SOURCES test_text_area.cpp LIBS layout test_masura_pdf)
certaliv_test(test_macheta SOURCES test_macheta.cpp LIBS layout test_masura_pdf)
