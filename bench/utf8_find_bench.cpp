// Case-insensitive find of a word at the far end of 100 MB of Russian text in the UTF-8
// view, against the same characters in the Windows-1251 view (about half the bytes).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "engine/document_engine.h"

namespace {

constexpr std::size_t Utf8Size = 100u << 20;
constexpr unsigned char SmallA1251 = 0xE0, SmallR1251 = 0xF0, CapitalA1251 = 0xC0;

// The letters of one Windows-1251 byte in UTF-8: а..п are D0 B0..BF, р..я D1 80..8F, А..Я D0 90..AF.
void AppendUtf8(std::string& out, unsigned char byte) {
  if (byte >= SmallR1251) {
    out += '\xD1';
    out += static_cast<char>(0x80 + byte - SmallR1251);
  } else if (byte >= SmallA1251) {
    out += '\xD0';
    out += static_cast<char>(0xB0 + byte - SmallA1251);
  } else if (byte >= CapitalA1251) {
    out += '\xD0';
    out += static_cast<char>(0x90 + byte - CapitalA1251);
  } else {
    out += static_cast<char>(byte);
  }
}

struct Texts {
  std::string ansi, utf8;
};

// Lines of lowercase words, generated in Windows-1251 until the UTF-8 form holds 100 MB,
// then the word looked for, in small letters, at the end of both.
const Texts& RussianTexts() {
  static const Texts texts = [] {
    std::mt19937 random(5);
    Texts out;
    out.ansi.reserve(Utf8Size / 2 + 4096);
    out.utf8.reserve(Utf8Size + 4096);
    auto add = [&](unsigned char byte) {
      out.ansi += static_cast<char>(byte);
      AppendUtf8(out.utf8, byte);
    };
    while (out.utf8.size() < Utf8Size) {
      for (std::size_t words = 5 + random() % 8; words > 0; --words) {
        for (std::size_t letters = 2 + random() % 8; letters > 0; --letters) {
          add(static_cast<unsigned char>(SmallA1251 + random() % 32));
        }
        add(' ');
      }
      add('.');
      add('\r');
      add('\n');
    }
    for (char c : std::string("\xEE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xFE\xF9\xE5\xE5")) add(static_cast<unsigned char>(c));
    return out;
  }();
  return texts;
}

// The word in capitals, so every letter is found by folding.
std::string Pattern(CodePage codePage) {
  std::string out;
  for (unsigned char byte : std::string("\xCE\xD2\xD1\xD3\xD2\xD1\xD2\xC2\xD3\xDE\xD9\xC5\xC5")) {
    if (codePage == Utf8) {
      AppendUtf8(out, byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

void FindFarWordAnyCase(benchmark::State& state, CodePage codePage) {
  const std::string& text = codePage == Utf8 ? RussianTexts().utf8 : RussianTexts().ansi;
  auto engine = std::make_unique<DocumentEngine>();
  engine->SetTextLimit(MaxTextLength);
  engine->SetCodePage(codePage);
  if (!engine->SetText(text)) state.SkipWithError("the text was not taken");
  const std::string pattern = Pattern(codePage);
  const auto expected = static_cast<Position>(text.size() - pattern.size());
  for (auto _ : state) {
    Position found = engine->Find({0, -1}, pattern, 0);
    if (found != expected) state.SkipWithError("the word was not found at the end");
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
void BM_FindFarWordAnyCaseUtf8(benchmark::State& state) { FindFarWordAnyCase(state, Utf8); }
void BM_FindFarWordAnyCaseWindows1251(benchmark::State& state) { FindFarWordAnyCase(state, Ansi); }
BENCHMARK(BM_FindFarWordAnyCaseUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFarWordAnyCaseWindows1251)->Unit(benchmark::kMillisecond);

}  // namespace
