# Settings file (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp)
