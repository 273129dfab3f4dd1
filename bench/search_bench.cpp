// The search on large Russian texts (Windows-1251), engine time through the
// program's own search steps: find next and find previous of a word near the
// far end of 100 MB (and the bisection the backward scan replaces), and
// replace all of 100 000 matches in 50 MB with the undo journal's snapshot,
// with the extra memory the run takes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "editor/engine_editor.h"
#include "editor/undo_journal.h"
#include "engine/document_engine.h"
#include "search/backward_search.h"
#include "search/search_engine.h"

namespace {

const std::string farWord = "\xEF\xEE\xF1\xEB\xE5\xE4\xED\xE5\xE5\xE5";  // "последнеее": ten letters, no random word has as many

// Words of 2 to 9 small letters from a vocabulary of 500, `everyWord` of them
// replaced by `planted` (0: none), CR LF after every tenth word.
std::string WordsText(std::size_t size, const std::string& planted, unsigned everyWord) {
  std::mt19937 random(11);
  std::vector<std::string> vocabulary(500);
  for (std::string& word : vocabulary) {
    for (std::size_t i = 0, letters = 2 + random() % 8; i < letters; ++i) word += static_cast<char>(0xE0 + random() % 32);
  }
  std::string text;
  text.reserve(size + 64);
  for (unsigned n = 1; text.size() < size; ++n) {
    text += everyWord != 0 && n % everyWord == 0 ? planted : vocabulary[random() % vocabulary.size()];
    text += n % 10 == 0 ? "\r\n" : " ";
  }
  text.resize(size);
  return text;
}

struct NoQuestions final : SearchHost {
  UndoJournal* journal = nullptr;
  int ConfirmReplace() override { return ReplaceAll; }
  bool RecordSnapshot() override { return !journal || journal->RecordUndoOrRefuse(UndoSnapshot, 0); }
  void RunOutOfMemory() override {}
  void ReportRefusedReplace() override {}
  void ReplacingUnasked() override {}
  bool RecordHandOver() override { return !journal || journal->RecordHandOver(UndoSnapshot); }
  void KeepReplacedText(TextStorage&& replaced) override {
    if (journal) journal->KeepReplacedText(std::move(replaced));
  }
  void WithdrawHandOver() override {
    if (journal) journal->WithdrawStep();
  }
};

// 100 MB with the far word 100 KB before the end.
DocumentEngine& FarWordText() {
  static DocumentEngine engine = [] {
    std::string text = WordsText(100u << 20, "", 0);
    text.replace(text.size() - (100u << 10), farWord.size(), farWord);
    DocumentEngine made;
    made.SetTextLimit(MaxTextLength);
    made.SetText(text);
    return made;
  }();
  return engine;
}

void FindFarWord(benchmark::State& state, bool backwards) {
  DocumentEngine& engine = FarWordText();
  EngineEditor editor(engine);
  NoQuestions host;
  SearchState search;
  SetPattern(search.searchPattern, farWord);
  search.backwards = backwards;
  for (auto _ : state) {
    engine.SetSelection(backwards ? engine.GetLength() : 0, backwards ? engine.GetLength() : 0);
    search.searchPosition = engine.GetSelection().start;
    if (!FindStep(search, editor, host)) state.SkipWithError("the word was not found");
  }
}
void BM_FindNextFarWord100MB(benchmark::State& state) { FindFarWord(state, false); }
void BM_FindPreviousFarWord100MB(benchmark::State& state) { FindFarWord(state, true); }
BENCHMARK(BM_FindNextFarWord100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindPreviousFarWord100MB)->Unit(benchmark::kMillisecond);

// What the backward scan saves: the bisection over forward finds, same answer.
void BM_FindPreviousByBisection100MB(benchmark::State& state) {
  DocumentEngine& engine = FarWordText();
  EngineEditor editor(engine);
  for (auto _ : state) benchmark::DoNotOptimize(BisectBackward(editor, engine.GetLength(), farWord, 0));
}
BENCHMARK(BM_FindPreviousByBisection100MB)->Unit(benchmark::kMillisecond);

std::size_t Kilobytes(const char* field) {
  std::size_t value = 0;
  if (FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      if (std::sscanf(line, (std::string(field) + ": %zu").c_str(), &value) == 1) break;
    }
    std::fclose(status);
  }
  return value;
}

void BM_ReplaceAll100kIn50MB(benchmark::State& state) {
  const std::string word = "\xEC\xE8\xF0\xED\xFB\xE9";  // "мирный" -> "Все"
  static const std::string original = WordsText(50u << 20, word, 80);
  double extraMemory = 0;
  for (auto _ : state) {
    state.PauseTiming();
    DocumentEngine engine;
    engine.SetTextLimit(MaxTextLength);
    engine.SetText(original);
    EngineEditor editor(engine);
    CodePage view = Ansi;
    UndoJournal journal(editor, view, [] {}, [] {});
    engine.SetChangeListener([&](PositionRange replaced, Position inserted) { journal.NoteChange(replaced, inserted); });
    NoQuestions host;
    host.journal = &journal;
    SearchState search;
    SetPattern(search.searchPattern, word);
    SetPattern(search.replacePattern, "\xC2\xF1\xE5");
    search.replaceMode = search.replaceAll = true;
    search.confirmReplace = false;
    malloc_trim(0);
    std::size_t before = Kilobytes("VmRSS");
    if (FILE* reset = std::fopen("/proc/self/clear_refs", "w")) {  // the peak starts again from here
      std::fputs("5", reset);
      std::fclose(reset);
    }
    state.ResumeTiming();
    StartSearch(search, editor, host);
    state.PauseTiming();
    extraMemory = static_cast<double>(Kilobytes("VmHWM") - before) * 1024 / static_cast<double>(original.size());
    if (engine.Find({0, -1}, word, 0) >= 0 || journal.RecordCount() != 1) state.SkipWithError("not one run");
    state.ResumeTiming();
  }
  std::size_t matches = 0;
  for (std::size_t at = original.find(word); at != std::string::npos; at = original.find(word, at + 1)) ++matches;
  state.counters["matches"] = static_cast<double>(matches);
  state.counters["extra_peak_per_text_byte"] = extraMemory;
}
BENCHMARK(BM_ReplaceAll100kIn50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
