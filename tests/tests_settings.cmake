certaliv_test(test_setari SOURCES test_setari.cpp LIBS settings)
