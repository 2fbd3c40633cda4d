# The certificate's program folder with its own database, for the tests that need the data store;
# the query helpers come from the store's tests.
add_library(test_program_temporar STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ProgramTemporar.h ${CMAKE_CURRENT_SOURCE_DIR}/ProgramTemporar.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/AjutorStore.h ${CMAKE_CURRENT_SOURCE_DIR}/AjutorStore.cpp)
target_link_libraries(test_program_temporar PUBLIC test_ajutor store app_cil)

certaliv_test(test_editoare
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/test_editoare_camp.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/test_editor_complex.cpp
    LIBS entry test_program_temporar)
