# Schedule store rules (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EntryLine.cpp)

# The Form2 window.
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Form2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Store.cpp)
