# Schedule store rules (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EntryLine.cpp)
