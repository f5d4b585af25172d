# Skin folders and skin.dat (layer 1).
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SkinDat.cpp)
