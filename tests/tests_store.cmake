# The data store against the real embedded Firebird, a temporary program folder per test.
certaliv_test(test_store
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/AjutorStore.h ${CMAKE_CURRENT_SOURCE_DIR}/AjutorStore.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/test_store_pornire.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/test_store_valori.cpp
    LIBS store)

# The start-up test makes the data module, which needs the certificate's plug-ins registered.
target_link_libraries(test_pornire PRIVATE app_cil)
