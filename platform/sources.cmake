list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sjis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SysUtils.cpp)

# Qt side: dialogs, the application object and our own controls.
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BuiltinImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconTray.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MDIWallpaper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProListBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RgnBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Toolbar97.cpp)
# Qt-side platform helpers (layer 2).
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Colors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Font.cpp)

# The TCP client link (layer 2).
list(APPEND KURALO_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TCPClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TCPClient.h)
