# libFuzzer targets of the portable core: one executable per tests/fuzz/*.cpp,
# the core built with the same instrumentation. Each target also becomes a test
# that runs its committed corpus once, so the harnesses keep building and passing.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ZORN2_FUZZ needs clang (libFuzzer): use the fuzz preset")
endif()

set(FUZZ_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(core_fuzz STATIC ${CORE_SOURCES})
target_include_directories(core_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(core_fuzz PUBLIC ${FUZZ_SANITIZE} -fsanitize=fuzzer-no-link)
target_link_options(core_fuzz PUBLIC ${FUZZ_SANITIZE})

enable_testing()
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(fuzz_${name} ${source})
  target_link_libraries(fuzz_${name} PRIVATE core_fuzz)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  add_test(NAME fuzz_${name} COMMAND fuzz_${name} -runs=0 ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
endforeach()
