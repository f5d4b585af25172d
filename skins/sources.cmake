# Skin folders and skin.dat (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SkinDat.cpp)

# The Form4 window.
list(APPEND KURALO_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Form4.cpp)

# The skins we ship (resources/skins/<name>/, made by make-skins.sh there) go
# beside the program, in skin/<name>/. A stamp file ties the copy to the skin
# files, so a changed or added file copies them again.
file(GLOB KURALO_SHIPPED_SKIN_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/skins/*/*)
set(KURALO_SHIPPED_SKIN_DIRS)
set(KURALO_SKIN_COPY_COMMANDS)
foreach(file ${KURALO_SHIPPED_SKIN_FILES})
  get_filename_component(skin_dir ${file} DIRECTORY)
  list(APPEND KURALO_SHIPPED_SKIN_DIRS ${skin_dir})
endforeach()
list(REMOVE_DUPLICATES KURALO_SHIPPED_SKIN_DIRS)
foreach(skin_dir ${KURALO_SHIPPED_SKIN_DIRS})
  get_filename_component(skin_name ${skin_dir} NAME)
  list(APPEND KURALO_SKIN_COPY_COMMANDS
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${skin_dir} ${KURALO_PROGRAM_DIR}/skin/${skin_name})
endforeach()
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/kuralo_skins.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KURALO_PROGRAM_DIR}/skin
  ${KURALO_SKIN_COPY_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/kuralo_skins.stamp
  DEPENDS ${KURALO_SHIPPED_SKIN_FILES}
  COMMENT "Copying the shipped skins")
add_custom_target(kuralo_skins ALL DEPENDS ${CMAKE_BINARY_DIR}/kuralo_skins.stamp)
