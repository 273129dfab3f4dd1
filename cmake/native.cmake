# Host build: the portable core twice (plain for the companion and benchmarks,
# with AddressSanitizer and UBSan for the unit tests), zorn2-text, tests, benchmarks.
# As 32-bit code (preset native32, cross-compiling) the same without benchmarks,
# GoogleTest built from its sources, and zorn2-text started through the emulator.
# AddressSanitizer does not run under qemu-i386, so a 32-bit build for a kernel
# that runs no 32-bit code keeps UBSan alone.
set(default_sanitizers address,undefined)
if(CMAKE_CROSSCOMPILING)
  # The question scripts/run-i386.sh asks, with its answer when one is given.
  set(runs_i386 "$ENV{ZORN2_KERNEL_RUNS_I386}")
  if(runs_i386 STREQUAL "")
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/windows-preset.sh OUTPUT_VARIABLE host_preset
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(host_preset STREQUAL "win32")
      set(runs_i386 yes)
    endif()
  endif()
  if(NOT runs_i386 STREQUAL "yes")
    set(default_sanitizers undefined)
  endif()
endif()
set(ZORN2_SANITIZERS ${default_sanitizers} CACHE STRING "Sanitizers of the unit tests' core (-fsanitize=)")
set(SANITIZE -fsanitize=${ZORN2_SANITIZERS} -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(core STATIC ${CORE_SOURCES})
target_include_directories(core PUBLIC ${CMAKE_SOURCE_DIR}/src)

add_library(core_sanitized STATIC ${CORE_SOURCES})
target_include_directories(core_sanitized PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(core_sanitized PUBLIC ${SANITIZE})
target_link_options(core_sanitized PUBLIC ${SANITIZE})

file(GLOB ZORN2_TEXT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp)
add_executable(zorn2-text ${ZORN2_TEXT_SOURCES})
target_link_libraries(zorn2-text PRIVATE core)

enable_testing()
set(ZORN2_TEXT_COMMAND $<TARGET_FILE:zorn2-text>)
if(CMAKE_CROSSCOMPILING)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(ZORN2_TEXT_COMMAND "${CMAKE_CROSSCOMPILING_EMULATOR} ${ZORN2_TEXT_COMMAND}")
else()
  find_package(GTest REQUIRED)
endif()
file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(native_tests PRIVATE core_sanitized GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE
  ZORN2_TEXT="${ZORN2_TEXT_COMMAND}" ZORN2_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(native_tests zorn2-text)
# The scale tests (suites named *Scale) hold millions of entries and texts of 100 MB:
# each runs in a process of its own, so that what the sanitizers' allocator keeps
# after one is not added to the next one's memory.
add_test(NAME native_tests COMMAND native_tests --gtest_filter=-*Scale.*)
foreach(suite PositionListScale EngineScale)
  add_test(NAME native_${suite} COMMAND native_tests --gtest_filter=${suite}.*)
endforeach()

if(NOT CMAKE_CROSSCOMPILING)
  find_package(benchmark REQUIRED)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  add_executable(zorn2-bench ${BENCH_SOURCES})
  target_link_libraries(zorn2-bench PRIVATE core benchmark::benchmark_main)
  add_executable(scan-bench ${CMAKE_SOURCE_DIR}/bench/scan/scan_bench.cpp)  # also built as PE32 and PE32+
  target_link_libraries(scan-bench PRIVATE core)
endif()
