add_executable(bench_lista_elevi ${CMAKE_CURRENT_LIST_DIR}/bench_lista_elevi.cpp)
target_link_libraries(bench_lista_elevi PRIVATE app app_cil)
target_compile_definitions(bench_lista_elevi PRIVATE CERTALIV_DIR_PROGRAM="${CERTALIV_DIR_PROGRAM}")
add_dependencies(bench_lista_elevi date_program)
