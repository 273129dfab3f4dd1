# Windows build (mingw-w64): zorn2.exe and the Win32 tests that run under Wine.
# The program's texts are UTF-16 (L"..."); a narrow literal may hold ASCII only, so
# no text of the program is left to the system code page. The tests and benchmarks
# write Windows-1251 document bytes as narrow literals.
set(WIN_CHARSET -finput-charset=UTF-8 -fexec-charset=ASCII)
set(WIN_TEST_CHARSET -finput-charset=UTF-8 -fexec-charset=CP1251)
set(WIN_LINK -static -static-libgcc -static-libstdc++)

add_library(core STATIC ${CORE_SOURCES})
target_include_directories(core PUBLIC ${CMAKE_SOURCE_DIR}/src)

# The document control: our own window class around the document engine.
file(GLOB CONTROL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/control/*.cpp)
list(REMOVE_ITEM CONTROL_SOURCES ${CORE_SOURCES})
# The pieces of base/ the control needs: text to and from UTF-16, the window's DPI.
set(SHARED_BASE_SOURCES ${CMAKE_SOURCE_DIR}/src/base/wide_strings.cpp ${CMAKE_SOURCE_DIR}/src/base/window_dpi.cpp)
list(APPEND CONTROL_SOURCES ${SHARED_BASE_SOURCES})
add_library(control STATIC ${CONTROL_SOURCES})
target_include_directories(control PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(control PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 NOMINMAX)
target_compile_options(control PRIVATE ${WIN_CHARSET})
target_link_libraries(control PUBLIC core ole32 uuid shell32 gdi32 user32 kernel32)

# Everything of the program but its entry point, so that the in-process tests
# link it: every source of the layers above the control that is not portable.
set(APP_SOURCES)
foreach(folder base editor conversion_dialogs documents search printing chrome tools app)
  file(GLOB folder_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  list(APPEND APP_SOURCES ${folder_sources})
endforeach()
list(REMOVE_ITEM APP_SOURCES ${CORE_SOURCES} ${SHARED_BASE_SOURCES} ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
add_library(app STATIC ${APP_SOURCES})
target_include_directories(app PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(app PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 NOMINMAX)
target_compile_options(app PRIVATE ${WIN_CHARSET})
target_link_libraries(app PUBLIC control core comctl32 comdlg32 shell32 gdi32 user32 kernel32 advapi32)

# The project's version for the version resource and the About box; every
# program that links app compiles zorn2.rc with it.
configure_file(${CMAKE_SOURCE_DIR}/src/resources/zorn2_version.h.in ${CMAKE_BINARY_DIR}/generated/zorn2_version.h)
target_include_directories(app PUBLIC ${CMAKE_BINARY_DIR}/generated)

# windres names no dependencies: the pictures and dialog scripts that zorn2.rc takes in rebuild it.
file(GLOB RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/images/*
     ${CMAKE_SOURCE_DIR}/src/resources/*_dialogs.rc ${CMAKE_SOURCE_DIR}/src/resources/options_dialog.rc
     ${CMAKE_SOURCE_DIR}/src/resources/version.rc ${CMAKE_SOURCE_DIR}/src/resources/zorn2.manifest
     ${CMAKE_BINARY_DIR}/generated/zorn2_version.h)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/resources/zorn2.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_INPUTS}")
add_executable(zorn2 WIN32 src/app/main.cpp src/resources/zorn2.rc)
target_link_libraries(zorn2 PRIVATE app)
target_compile_options(zorn2 PRIVATE ${WIN_CHARSET})
target_link_options(zorn2 PRIVATE ${WIN_LINK})
# On a 64-bit system a 32-bit program marked so gets 4 GB of address space, not 2.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(zorn2 PRIVATE -Wl,--large-address-aware)
endif()
set_target_properties(zorn2 PROPERTIES OUTPUT_NAME zorn2 RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The shipped program carries no debug sections (Wine copies them all into memory at start: 30 ms for
# 15 MB); they stay beside it in zorn2.debug, which gdb finds through the debug link.
add_custom_command(TARGET zorn2 POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug zorn2.exe zorn2.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=zorn2.debug zorn2.exe
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)

# The welcome document `make run` opens when no file is given: DOS-866 with CR LF line ends.
set(WELCOME_SOURCE ${CMAKE_SOURCE_DIR}/src/resources/welcome.txt)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/welcome.txt
  COMMAND sh -c "iconv -f UTF-8 -t CP866 '${WELCOME_SOURCE}' | sed 's/$/\r/' > '${CMAKE_BINARY_DIR}/welcome.txt'"
  DEPENDS ${WELCOME_SOURCE} VERBATIM)
add_custom_target(welcome ALL DEPENDS ${CMAKE_BINARY_DIR}/welcome.txt)

# Timings of the document control on a huge text; run by hand, not by ctest.
add_executable(control-bench ${CMAKE_SOURCE_DIR}/bench/win32/control_bench.cpp)
target_link_libraries(control-bench PRIVATE app psapi)
target_compile_options(control-bench PRIVATE ${WIN_TEST_CHARSET})
target_link_options(control-bench PRIVATE ${WIN_LINK})
set_target_properties(control-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The engine's scans against memchr, as the program's code runs them; scripts/bench-speed.sh runs it.
add_executable(scan-bench ${CMAKE_SOURCE_DIR}/bench/scan/scan_bench.cpp)
target_link_libraries(scan-bench PRIVATE core)
target_link_options(scan-bench PRIVATE ${WIN_LINK})
set_target_properties(scan-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Every whole-text command and its undo in the program's windows, time and memory
# peak; scripts/bench-whole-text.sh runs it. Marked as the program is, for its 4 GB.
add_executable(whole-text-bench ${CMAKE_SOURCE_DIR}/bench/win32/whole_text_bench.cpp ${CMAKE_SOURCE_DIR}/src/resources/zorn2.rc)
target_link_libraries(whole-text-bench PRIVATE app psapi)
target_compile_options(whole-text-bench PRIVATE ${WIN_TEST_CHARSET})
target_link_options(whole-text-bench PRIVATE ${WIN_LINK} $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},4>:-Wl,--large-address-aware>)
set_target_properties(whole-text-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Wine's start of a trivial program and of a bare window: the floor under
# scripts/bench-open.sh's times of the program's start.
add_executable(start-floor WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/start_floor.cpp)
target_link_libraries(start-floor PRIVATE app)
target_compile_options(start-floor PRIVATE ${WIN_TEST_CHARSET})
target_link_options(start-floor PRIVATE ${WIN_LINK})
set_target_properties(start-floor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Page count and first preview page on the default printer; run by hand, not by ctest.
add_executable(print-bench ${CMAKE_SOURCE_DIR}/bench/win32/print_bench.cpp ${CMAKE_SOURCE_DIR}/src/resources/zorn2.rc)
target_link_libraries(print-bench PRIVATE app)
target_compile_options(print-bench PRIVATE ${WIN_TEST_CHARSET})
target_link_options(print-bench PRIVATE ${WIN_LINK})
set_target_properties(print-bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Whether Wine sees the test printer, and where the Print dialog is: asked by the end-to-end print tests.
add_executable(printer-probe ${CMAKE_SOURCE_DIR}/tests/e2e/printer_probe.cpp ${CMAKE_SOURCE_DIR}/tests/win32/test_printer.cpp)
target_link_libraries(printer-probe PRIVATE winspool user32)
target_link_options(printer-probe PRIVATE ${WIN_LINK})
set_target_properties(printer-probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Tests run under Wine: one private prefix and one wineserver for the whole run.
enable_testing()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

set(WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh)
add_test(NAME wine_session_start COMMAND ${WINE_SESSION} start ${CMAKE_BINARY_DIR}/wine)
add_test(NAME wine_session_stop COMMAND ${WINE_SESSION} stop ${CMAKE_BINARY_DIR}/wine)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# A private print spooler with a PDF printer for the print tests; the Wine
# scripts point CUPS_SERVER at its socket when it runs.
set(CUPS_SESSION ${CMAKE_SOURCE_DIR}/scripts/cups-session.sh)
add_test(NAME cups_session_start COMMAND ${CUPS_SESSION} start ${CMAKE_BINARY_DIR}/cups)
add_test(NAME cups_session_stop COMMAND ${CUPS_SESSION} stop ${CMAKE_BINARY_DIR}/cups)
set_tests_properties(cups_session_start PROPERTIES FIXTURES_SETUP cups)
set_tests_properties(cups_session_stop PROPERTIES FIXTURES_CLEANUP cups)

file(GLOB_RECURSE WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
# The program's resources too: the tests load its pictures and dialogs.
add_executable(win32_tests ${WIN32_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/src/resources/zorn2.rc)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/win32)
target_link_libraries(win32_tests PRIVATE app gtest_main winspool)
target_compile_options(win32_tests PRIVATE ${WIN_TEST_CHARSET})
target_link_options(win32_tests PRIVATE ${WIN_LINK})
add_dependencies(win32_tests zorn2 welcome)
target_compile_definitions(win32_tests PRIVATE ZORN2_EXE="zorn2.exe")
set_target_properties(win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_test(NAME win32_tests COMMAND win32_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(win32_tests PROPERTIES FIXTURES_REQUIRED "wine;cups")
# The suites that cross between the program and Windows once more under an
# English locale (system code page 1252), where a text narrowed to it shows.
add_test(NAME win32_tests_english COMMAND win32_tests --gtest_filter=AnyCodePage.* WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(win32_tests_english PROPERTIES FIXTURES_REQUIRED "wine;cups" ENVIRONMENT ZORN2_LOCALE=en_US.UTF-8
                     RESOURCE_LOCK display)

# The program as a user drives it: xdotool on the session's display. One display,
# one keyboard focus: never beside the in-process tests.
add_test(NAME e2e_editor COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run.sh ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_editor PROPERTIES FIXTURES_REQUIRED "wine;cups" RESOURCE_LOCK display TIMEOUT 600)
# File names and typing on an English system (code page 1252).
add_test(NAME e2e_english COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run.sh ${CMAKE_BINARY_DIR} any_name_as_user)
set_tests_properties(e2e_english PROPERTIES FIXTURES_REQUIRED "wine;cups" ENVIRONMENT ZORN2_LOCALE=en_US.UTF-8
                     RESOURCE_LOCK display TIMEOUT 300)
set_tests_properties(win32_tests PROPERTIES RESOURCE_LOCK display)

# The shipped PE32 program, started once and driven through the paths where 32
# and 64 bits differ. It brings its own Wine session (and, on kernels that run no
# 32-bit code, its own qemu-i386 handler); `make test` runs it after the PE32+ suite.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME pe32_smoke COMMAND ${CMAKE_SOURCE_DIR}/tests/pe32/run.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(pe32_smoke PROPERTIES LABELS pe32 SKIP_RETURN_CODE 77 TIMEOUT 1500 RESOURCE_LOCK display)
  # Every whole-text command and its undo on 2.5 million lines: under a minute
  # natively, two to four under qemu.
  add_test(NAME pe32_big_text COMMAND ${CMAKE_SOURCE_DIR}/tests/pe32/run.sh ${CMAKE_BINARY_DIR} big_text)
  set_tests_properties(pe32_big_text PROPERTIES LABELS pe32 SKIP_RETURN_CODE 77 TIMEOUT 1500 RESOURCE_LOCK display)
  # The release files as a user meets them: the zip run from a fresh Wine prefix, the MSI
  # installed, upgraded and removed in another (tests/dist; seconds where the PE32 runs).
  add_test(NAME dist COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/dist/packages.py ${CMAKE_BINARY_DIR})
  set_tests_properties(dist PROPERTIES LABELS dist TIMEOUT 900 RESOURCE_LOCK display)
endif()
