// The document engine on a 100 MB text of Russian lines (Windows-1251, CR LF):
// stream-in, one-byte edits and line lookups at random positions, find of an
// absent word, and the memory the engine holds against the text's size.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "engine/document_engine.h"

namespace {

constexpr std::size_t TextSize = 100u << 20;

// Lowercase Russian words of 2 to 9 letters, 5 to 12 words a line.
const std::string& RussianText() {
  static const std::string text = [] {
    std::mt19937 random(1);
    std::string words[500];
    for (std::string& word : words) {
      std::size_t letters = 2 + random() % 8;
      for (std::size_t i = 0; i < letters; ++i) word += static_cast<char>(0xE0 + random() % 32);
    }
    std::string out;
    out.reserve(TextSize + 200);
    while (out.size() < TextSize) {
      std::size_t count = 5 + random() % 8;
      for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out += ' ';
        out += words[random() % 500];
      }
      out += ".\r\n";
    }
    out.resize(TextSize);
    return out;
  }();
  return text;
}

struct MemoryStream {
  const std::string* source;
  std::size_t readPos;
};

std::uint32_t ReadFromMemory(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size, std::int32_t* transferred) {
  auto* stream = reinterpret_cast<MemoryStream*>(cookie);
  std::size_t n = std::min(static_cast<std::size_t>(size), stream->source->size() - stream->readPos);
  std::memcpy(buffer, stream->source->data() + stream->readPos, n);
  stream->readPos += n;
  *transferred = static_cast<std::int32_t>(n);
  return 0;
}

void Load(DocumentEngine& engine) {
  MemoryStream memory{&RussianText(), 0};
  EngineStream stream{reinterpret_cast<std::uintptr_t>(&memory), 0, ReadFromMemory};
  engine.SetTextLimit(MaxTextLength);
  engine.StreamIn(stream, StreamText);
}

// Resident memory of the process: the text's slabs are mapped directly, so
// the heap's own statistics would miss them.
std::size_t ResidentBytes() {
  std::size_t pages = 0;
  std::size_t resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%zu %zu", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// One engine holding the text, shared by the edit and lookup benchmarks.
DocumentEngine& Loaded() {
  static std::unique_ptr<DocumentEngine> engine = [] {
    RussianText();
    auto made = std::make_unique<DocumentEngine>();
    Load(*made);
    return made;
  }();
  return *engine;
}

void BM_Memory(benchmark::State& state) {
  RussianText();
  double ratio = 0;
  double afterEdits = 0;
  for (auto _ : state) {
    malloc_trim(0);
    std::size_t before = ResidentBytes();
    DocumentEngine engine;
    Load(engine);
    ratio = static_cast<double>(ResidentBytes() - before) / TextSize;
    // One-byte edits at 100000 random places, then the same measure again.
    std::mt19937 random(3);
    for (int i = 0; i < 100000; ++i) {
      auto at = static_cast<Position>(random() % static_cast<unsigned>(engine.GetLength()));
      engine.SetSelection(at, at);
      engine.ReplaceSelection("x");
    }
    afterEdits = static_cast<double>(ResidentBytes() - before) / TextSize;
  }
  state.counters["resident_per_text_byte"] = ratio;
  state.counters["after_100k_inserts"] = afterEdits;
}
BENCHMARK(BM_Memory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_StreamIn100MB(benchmark::State& state) {
  RussianText();
  for (auto _ : state) {
    DocumentEngine engine;
    Load(engine);
    benchmark::DoNotOptimize(engine.GetLineCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TextSize));
}
BENCHMARK(BM_StreamIn100MB)->Unit(benchmark::kMillisecond);


void BM_InsertByteAtRandom(benchmark::State& state) {
  DocumentEngine& engine = Loaded();
  std::mt19937 random(4);
  for (auto _ : state) {
    auto at = static_cast<Position>(random() % static_cast<unsigned>(engine.GetLength()));
    engine.SetSelection(at, at);
    engine.ReplaceSelection("x");
  }
}
BENCHMARK(BM_InsertByteAtRandom);

void BM_DeleteByteAtRandom(benchmark::State& state) {
  DocumentEngine& engine = Loaded();
  std::mt19937 random(5);
  for (auto _ : state) {
    auto at = static_cast<Position>(random() % static_cast<unsigned>(engine.GetLength() - 1));
    engine.SetSelection(at, at + 1);
    engine.ClearSelection();
  }
}
BENCHMARK(BM_DeleteByteAtRandom);

void BM_LineFromPosition(benchmark::State& state) {
  DocumentEngine& engine = Loaded();
  std::mt19937 random(6);
  for (auto _ : state) {
    auto at = static_cast<Position>(random() % static_cast<unsigned>(engine.GetLength()));
    benchmark::DoNotOptimize(engine.GetLineFromPosition(at));
  }
}
BENCHMARK(BM_LineFromPosition);

void BM_LineIndex(benchmark::State& state) {
  DocumentEngine& engine = Loaded();
  std::mt19937 random(7);
  for (auto _ : state) {
    auto line = static_cast<Position>(random() % static_cast<unsigned>(engine.GetLineCount()));
    benchmark::DoNotOptimize(engine.GetLineIndex(line));
  }
}
BENCHMARK(BM_LineIndex);

// A Russian word that the text does not hold ("\xEE" starts it, "\xFF" ends it).
void FindAbsent(benchmark::State& state, std::uint32_t options) {
  DocumentEngine& engine = Loaded();
  const std::string word = "\xEE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xFE\xF9\xE5\xE5\xFF";
  for (auto _ : state) {
    Position found = engine.Find({0, -1}, word, options);
    if (found != -1) state.SkipWithError("the word is in the text");
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(state.iterations() * engine.GetLength());
}
void BM_FindAbsentMatchCase(benchmark::State& state) { FindAbsent(state, FindMatchCase); }
void BM_FindAbsentAnyCase(benchmark::State& state) { FindAbsent(state, 0); }
void BM_FindAbsentWholeWordAnyCase(benchmark::State& state) { FindAbsent(state, FindWholeWord); }
BENCHMARK(BM_FindAbsentMatchCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAbsentAnyCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAbsentWholeWordAnyCase)->Unit(benchmark::kMillisecond);

}  // namespace
