// A whole-text conversion and its undo on a 50 MB document, engine time: the
// steps the conversion frame takes (snapshot, recode, write back) and the undo
// that restores text and view, through the same journal the program uses.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "codepages/code_pages.h"
#include "editor/engine_editor.h"
#include "editor/undo_journal.h"
#include "engine/document_engine.h"

namespace {

// Windows-1251 words of Cyrillic small letters, 8 to 12 a line, CR LF.
std::string RussianLines(size_t size) {
  std::mt19937 random(7);
  std::string text;
  text.reserve(size + 128);
  while (text.size() < size) {
    int words = 8 + static_cast<int>(random() % 5);
    for (int w = 0; w < words; ++w) {
      int letters = 2 + static_cast<int>(random() % 8);
      for (int l = 0; l < letters; ++l) text += static_cast<char>(0xE0 + random() % 32);
      text += w + 1 < words ? ' ' : '\r';
    }
    text += '\n';
  }
  return text;
}

void BM_WholeTextConversionAndUndo50MB(benchmark::State& state) {
  static const std::string original = RussianLines(50u << 20);
  DocumentEngine engine;
  engine.SetTextLimit(MaxTextLength);
  engine.SetText(original);
  EngineEditor editor(engine);
  CodePage view = Ansi;
  UndoJournal journal(editor, view, [] {}, [] {});
  for (auto _ : state) {
    journal.RecordUndo(UndoSnapshot, 0);
    std::string text = editor.GetWholeText();
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), toOemTable[Ansi], fromOemTable[Oem]);
    editor.ReplaceWholeText(text);
    view = Oem;
    journal.UndoLast();
  }
  if (engine.GetText() != original || view != Ansi) state.SkipWithError("undo did not restore the document");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(original.size()));
}
BENCHMARK(BM_WholeTextConversionAndUndo50MB)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
