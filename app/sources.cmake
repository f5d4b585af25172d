# Application shell, layer-1 parts.
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Fortune.cpp)

# The program object and its windows.
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Program.cpp)

# The activation and close sequences of the main window.
list(APPEND KURALO_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Sequences.cpp)
