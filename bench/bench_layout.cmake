add_executable(bench_layout ${CMAKE_CURRENT_LIST_DIR}/bench_layout.cpp)
target_link_libraries(bench_layout PRIVATE layout util Qt6::PrintSupport)
target_compile_definitions(bench_layout PRIVATE CERTALIV_DIR_PROGRAM="${CERTALIV_DIR_PROGRAM}")
add_dependencies(bench_layout date_program)
