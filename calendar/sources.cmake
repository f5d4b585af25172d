# Calendar engine (layer 1).
kuralo_embed(${CMAKE_BINARY_DIR}/generated/JDOLDCAL.cpp JDOLDCAL ${CMAKE_SOURCE_DIR}/resources/JDOLDCAL.txt)
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Julius.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayRules.cpp
  ${CMAKE_BINARY_DIR}/generated/JDOLDCAL.cpp)

# Calendar controls (layer 2).
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CalEx.cpp)
