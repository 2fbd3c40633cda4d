# Draws the blank certificate's picture CIL.bin from the layout.
add_executable(deseneaza_cil ${CMAKE_CURRENT_LIST_DIR}/deseneaza_cil.cpp)
target_link_libraries(deseneaza_cil PRIVATE layout util Qt6::Gui)
