list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sjis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SysUtils.cpp)

# Qt-side platform helpers (layer 2).
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Colors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Font.cpp)
