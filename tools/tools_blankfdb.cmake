# scrie_blankfdb: the blank database from its readable schema, through the Firebird client
# library that the store links.
add_executable(scrie_blankfdb ${CMAKE_CURRENT_SOURCE_DIR}/scrie_blankfdb.cpp)
target_link_libraries(scrie_blankfdb PRIVATE store util Qt6::Core)
