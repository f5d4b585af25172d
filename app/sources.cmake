# Application shell, layer-1 parts.
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Fortune.cpp)
