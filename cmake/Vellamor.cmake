# Helpers shared by the subsystem CMakeLists files.

# vellamor_add_test(NAME SOURCES... LIBS libs...)
# One GoogleTest executable per test folder; each TEST is registered with CTest.
function(vellamor_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock
                                        vellamor_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_compile_definitions(${name} PRIVATE
    VELLAMOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VELLAMOR_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# vellamor_add_bench(NAME SOURCES... LIBS libs...)
# Benchmarks land in build/bench/ and are run by `make bench`.
function(vellamor_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark vellamor_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
  target_compile_definitions(${name} PRIVATE VELLAMOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
