# The portable core: every file here compiles without windows.h. Native tests,
# benchmarks and zorn2-text link it, and so does zorn2.exe.
set(CORE_SOURCES
  src/app/command_line.cpp
  src/conversion/code_pages.cpp
  src/conversion/conversion_tables.cpp
  src/conversion/recode_bytes.cpp
  src/conversion/unicode_maps.cpp
  src/editor/engine/rtf_code_pages.cpp
  src/editor/engine/rtf_keywords.cpp
  src/editor/engine/rtf_reader.cpp
  src/editor/engine/target_text.cpp
  src/editor/text_limit.cpp
)
list(TRANSFORM CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
