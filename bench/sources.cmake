# Benchmarks (built by kuralo_bench, never run by the tests).
list(APPEND KURALO_BENCH_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/bench_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bench_calendar.cpp)
