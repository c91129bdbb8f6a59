# The build and source folders reach tests and benchmarks through this one object alone, so no
# other test object holds an absolute path and clones share the compiler cache.
add_library(ptp_test_paths STATIC ${CMAKE_SOURCE_DIR}/tests/support/test_paths.cpp)
target_include_directories(ptp_test_paths PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(ptp_test_paths PRIVATE PTP_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
                                                  PTP_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

# ptp_test(NAME SOURCES... LIBS ...): one GoogleTest binary, registered with CTest.
function(ptp_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ptp_test_paths GTest::gtest GTest::gtest_main
                                        Threads::Threads)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# ptp_bench(NAME SOURCES... LIBS ...): one Google Benchmark program.
function(ptp_bench name)
  if(NOT PTP_BENCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ptp_test_paths benchmark::benchmark Threads::Threads)
endfunction()

# ptp_fuzz(NAME SOURCE LIBS ... CORPUS dir): with PTP_FUZZ (clang) a libFuzzer binary; always a
# replay binary that runs every file of the corpus through the target, registered with CTest, so
# the test command replays the corpus with any compiler.
if(PTP_FUZZ)
  # Every libFuzzer binary, so one target builds them all (scripts/fuzz.sh, the test command).
  add_custom_target(ptp_fuzzers)
endif()
function(ptp_fuzz name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name}_replay ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
  add_test(NAME fuzz_replay.${name} COMMAND ${name}_replay ${ARG_CORPUS})
  if(PTP_FUZZ)
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    add_dependencies(ptp_fuzzers ${name})
  endif()
endfunction()

# ptp_add_subfolders(): adds every direct subfolder that has a CMakeLists.txt, in name order.
function(ptp_add_subfolders)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
