# Server link messages (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp)
