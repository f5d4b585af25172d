# Server link messages (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp)

# The server link's handlers on the main window (layer 2).
list(APPEND KURALO_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Link.cpp)
