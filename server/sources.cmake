# Rules without a network (command line, client networks, message checks):
# core, so the tests reach them.
list(APPEND KURALO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ServerRules.cpp)

list(APPEND KURALO_SERVER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScheduleServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScheduleServer.h)
