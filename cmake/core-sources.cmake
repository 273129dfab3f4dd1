# The portable core: every file here compiles without windows.h. Native tests,
# benchmarks and zorn2-text link it, and so does zorn2.exe.
set(CORE_SOURCES
  src/app/command_line.cpp
  src/conversion/alignment.cpp
  src/conversion/code_page_guess.cpp
  src/conversion/code_pages.cpp
  src/conversion/conversion_tables.cpp
  src/conversion/equals_escapes.cpp
  src/conversion/font_sample.cpp
  src/conversion/html_tags.cpp
  src/conversion/line_breaks.cpp
  src/conversion/recode_bytes.cpp
  src/conversion/recoding_routes.cpp
  src/conversion/transliteration.cpp
  src/conversion/undo_journal.cpp
  src/conversion/unicode_maps.cpp
  src/editor/character_table_text.cpp
  src/editor/engine_editor.cpp
  src/editor/engine/block_pool.cpp
  src/editor/engine/char_classes.cpp
  src/editor/engine/char_format.cpp
  src/editor/engine/colour_runs.cpp
  src/editor/engine/document_engine.cpp
  src/editor/engine/engine_formats.cpp
  src/editor/engine/engine_state.cpp
  src/editor/engine/engine_streams.cpp
  src/editor/engine/line_index.cpp
  src/editor/engine/rtf_code_pages.cpp
  src/editor/engine/rtf_keywords.cpp
  src/editor/engine/rtf_reader.cpp
  src/editor/engine/target_text.cpp
  src/editor/engine/text_find.cpp
  src/editor/engine/text_move.cpp
  src/editor/engine/text_storage.cpp
  src/editor/engine/word_breaks.cpp
  src/documents/recent_list.cpp
  src/search/backward_search.cpp
  src/search/hex_pattern.cpp
  src/search/search_engine.cpp
  src/search/search_history.cpp
  src/search/search_state.cpp
  src/search/search_texts.cpp
  src/editor/text_limit.cpp
  # Rows of the document control on screen: portable, tested natively.
  src/editor/control/row_layout.cpp
  src/editor/control/page_layout.cpp
  # Printing: page rectangles and the order of printed pages.
  src/printing/page_geometry.cpp
  src/printing/page_sequence.cpp
  # Tools: the patcher's hexadecimal fields and the association values.
  src/tools/association_verbs.cpp
  src/tools/hex_field.cpp
)
list(TRANSFORM CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
