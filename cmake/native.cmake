# Host build: the portable core twice (plain for the companion and benchmarks,
# with AddressSanitizer and UBSan for the unit tests), zorn2-text, tests, benchmarks.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

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
find_package(GTest REQUIRED)
file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(native_tests PRIVATE core_sanitized GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE
  ZORN2_TEXT="$<TARGET_FILE:zorn2-text>" ZORN2_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(native_tests zorn2-text)
add_test(NAME native_tests COMMAND native_tests)

find_package(benchmark REQUIRED)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
add_executable(zorn2-bench ${BENCH_SOURCES})
target_link_libraries(zorn2-bench PRIVATE core benchmark::benchmark_main)
