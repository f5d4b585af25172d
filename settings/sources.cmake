# Settings file (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp)

# The Form5 window.
list(APPEND KURALO_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Form5.cpp)
