# The portable core: every file here compiles without windows.h. Native tests,
# benchmarks and zorn2-text link it, and so does zorn2.exe. Listed by layer,
# from the bottom up (scripts/check-layers.py holds the order).
set(CORE_SOURCES
  # Code pages: tables, routes, recoding, the guess, and the byte-level transforms.
  src/codepages/alignment.cpp
  src/codepages/code_page_guess.cpp
  src/codepages/code_pages.cpp
  src/codepages/conversion_tables.cpp
  src/codepages/equals_escapes.cpp
  src/codepages/font_sample.cpp
  src/codepages/html_tags.cpp
  src/codepages/line_breaks.cpp
  src/codepages/look_alikes.cpp
  src/codepages/recode_bytes.cpp
  src/codepages/recoding_routes.cpp
  src/codepages/transliteration.cpp
  src/codepages/unicode_maps.cpp
  src/codepages/utf8.cpp
  src/codepages/utf8_latin.cpp
  src/codepages/utf8_recoding.cpp
  # The text engine and the RTF reader.
  src/engine/block_pool.cpp
  src/engine/char_classes.cpp
  src/engine/char_format.cpp
  src/engine/char_steps.cpp
  src/engine/colour_runs.cpp
  src/engine/document_engine.cpp
  src/engine/engine_formats.cpp
  src/engine/engine_state.cpp
  src/engine/engine_streams.cpp
  src/engine/line_index.cpp
  src/engine/rtf_code_pages.cpp
  src/engine/rtf_keywords.cpp
  src/engine/rtf_reader.cpp
  src/engine/target_text.cpp
  src/engine/text_exchange.cpp
  src/engine/text_find.cpp
  src/engine/text_move.cpp
  src/engine/text_storage.cpp
  src/engine/utf8_matcher.cpp
  src/engine/word_breaks.cpp
  # Rows and pages of the document control: portable, tested natively.
  src/control/character_widths.cpp
  src/control/page_layout.cpp
  src/control/row_layout.cpp
  # The editor's portable half: operations on an engine, the undo journal, limits.
  src/editor/character_table_text.cpp
  src/editor/engine_editor.cpp
  src/editor/text_limit.cpp
  src/editor/undo_journal.cpp
  # The features' portable halves.
  src/documents/recent_list.cpp
  src/search/backward_search.cpp
  src/search/hex_pattern.cpp
  src/search/search_engine.cpp
  src/search/search_history.cpp
  src/search/search_state.cpp
  src/search/search_texts.cpp
  src/printing/page_geometry.cpp
  src/printing/page_sequence.cpp
  src/tools/association_entries.cpp
  src/tools/hex_field.cpp
  src/app/command_line.cpp
)
list(TRANSFORM CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
