# Benchmarks (built by kuralo_bench, never run by the tests).
list(APPEND KURALO_BENCH_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/bench_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bench_calendar.cpp)

# --- schedule server load (its own small program, not Google Benchmark) ---
# Defined once the whole project is read, when Qt and the server are known.
function(kuralo_server_load_target)
  if(TARGET kuralo-server)
    add_executable(kuralo_server_load ${CMAKE_SOURCE_DIR}/bench/server_load.cpp)
    target_link_libraries(kuralo_server_load PRIVATE Qt6::Core Qt6::Network)
    target_include_directories(kuralo_server_load PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_definitions(kuralo_server_load PRIVATE KURALO_PROGRAM_DIR="${KURALO_PROGRAM_DIR}")
    add_dependencies(kuralo_server_load kuralo-server)
    kuralo_warnings(kuralo_server_load)
  endif()
endfunction()
cmake_language(DEFER CALL kuralo_server_load_target)
# --- end of schedule server load ---

# --- program start, add and remove with a growing schedule ---
list(APPEND KURALO_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_app.cpp)
# --- end of program start ---
