# Built-in images (drawn by images/gen_images.cpp), embedded in the UI library.
list(APPEND KURALO_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/kuralo_images.qrc)

# The help page goes beside the program, in help/.
add_custom_command(
  OUTPUT ${KURALO_PROGRAM_DIR}/help/Kuralo.htm
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KURALO_PROGRAM_DIR}/help
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_LIST_DIR}/help/Kuralo.htm
          ${KURALO_PROGRAM_DIR}/help/Kuralo.htm
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/help/Kuralo.htm
  COMMENT "Copying the help page")
add_custom_target(kuralo_help ALL DEPENDS ${KURALO_PROGRAM_DIR}/help/Kuralo.htm)
