# BLANK.FDB, the blank database the program copies at its first start, from its readable schema.
set(blankfdb ${CERTALIV_DIR_PROGRAM}/BLANK.FDB)
add_custom_command(
    OUTPUT ${blankfdb}
    COMMAND scrie_blankfdb ${CMAKE_CURRENT_SOURCE_DIR}/BLANK.sql ${blankfdb}
    DEPENDS scrie_blankfdb ${CMAKE_CURRENT_SOURCE_DIR}/BLANK.sql
    COMMENT "Writing BLANK.FDB"
    VERBATIM)
list(APPEND fisiere_livrate ${blankfdb})
