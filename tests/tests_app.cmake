add_library(test_date_certificat STATIC DateCertificat.h DateCertificat.cpp)
target_link_libraries(test_date_certificat PUBLIC entry store)
target_include_directories(test_date_certificat PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

certaliv_test(test_lista_elevi SOURCES test_lista_elevi.cpp
    LIBS app app_cil test_program_temporar test_date_certificat)
certaliv_test(test_certificat SOURCES test_certificat.cpp
    LIBS app app_cil test_program_temporar test_date_certificat test_masura_pdf)
certaliv_test(test_certaliv_pdf SOURCES test_certaliv_pdf.cpp
    LIBS app app_cil test_date_certificat)
add_dependencies(test_certaliv_pdf certaliv-pdf)
certaliv_test(test_lista_generica SOURCES test_lista_generica.cpp LIBS entry test_program_temporar)
certaliv_test(test_flux_complet SOURCES test_flux_complet.cpp
    LIBS app app_cil test_program_temporar test_date_certificat test_masura_pdf)
