# The student list's display texts through the look-up, against one joining query (the floor).
add_executable(bench_store ${CMAKE_CURRENT_SOURCE_DIR}/bench_store.cpp)
target_link_libraries(bench_store PRIVATE store app_cil Qt6::Core)
target_compile_definitions(bench_store PRIVATE CERTALIV_DIR_PROGRAM="${CERTALIV_DIR_PROGRAM}")
add_dependencies(bench_store date_program)
