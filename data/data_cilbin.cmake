# The picture of the blank certificate, shown under the print preview.
set(cilbin ${CERTALIV_DIR_PROGRAM}/CIL.bin)
add_custom_command(
    OUTPUT ${cilbin}
    COMMAND deseneaza_cil ${CMAKE_CURRENT_SOURCE_DIR}/CertificatCIL.macheta ${cilbin}
    DEPENDS deseneaza_cil ${CMAKE_CURRENT_SOURCE_DIR}/CertificatCIL.macheta
    COMMENT "Drawing CIL.bin"
    VERBATIM)
list(APPEND fisiere_livrate ${cilbin})
