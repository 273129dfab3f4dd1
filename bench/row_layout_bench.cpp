// Rows of the document control on 100 MB texts, in the Windows-1251 view and
// in the UTF-8 view: every row of a wrapped text walked from the first, and
// x at the end of one 100 MB line without wrap (its marks made afresh). The
// texts are Russian words (two bytes a letter in UTF-8) and English ones
// (ASCII, the same bytes in either view).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "control/row_layout.h"

namespace {

constexpr std::size_t TextSize = 100u << 20;
constexpr int CharacterWidth = 7;
constexpr int WrapWidth = 800;

enum Text { Russian1251, RussianUtf8, English };

std::string Letter(Text kind, unsigned index) {
  if (kind == English) return std::string(1, static_cast<char>('a' + index % 26));
  if (kind == Russian1251) return std::string(1, static_cast<char>(0xE0 + index % 32));
  char32_t c = 0x0430 + index % 32;
  return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

// Words of 2 to 9 letters, 5 to 12 a line; or one line when `lines` is false.
std::string MakeText(Text kind, bool lines) {
  std::mt19937 random(1);
  std::string words[500];
  for (std::string& word : words) {
    std::size_t letters = 2 + random() % 8;
    for (std::size_t i = 0; i < letters; ++i) word += Letter(kind, random());
  }
  std::string out;
  out.reserve(TextSize + 200);
  while (out.size() < TextSize) {
    std::size_t count = 5 + random() % 8;
    for (std::size_t i = 0; i < count; ++i) out += words[random() % 500] + ' ';
    out += lines ? ".\r\n" : ". ";
  }
  // Cut at a character start, so that no broken byte ends the text.
  std::size_t end = TextSize;
  while ((static_cast<unsigned char>(out[end]) & 0xC0) == 0x80) --end;
  out.resize(end);
  return out;
}

struct Setup {
  DocumentEngine engine;
  RowMetrics metrics;
  CharacterWidths widths{[](char32_t, std::size_t count, int* out) { std::fill(out, out + count, CharacterWidth); }};
  Setup(Text kind, bool utf8, bool lines) {
    engine.SetTextLimit(MaxTextLength);
    engine.SetText(MakeText(kind, lines));
    for (int& width : metrics.byteWidth) width = CharacterWidth;
    metrics.byteWidth['\r'] = metrics.byteWidth['\n'] = 0;
    if (utf8) {
      engine.SetCodePage(Utf8);
      metrics.characterWidths = &widths;
    }
  }
};

void WrapAllRows(benchmark::State& state, Text kind, bool utf8) {
  Setup setup(kind, utf8, true);
  std::int64_t rows = 0;
  for (auto _ : state) {
    RowLayout layout(setup.engine, setup.metrics, WrapWidth);
    Row row = layout.RowAt(0);
    rows = 1;
    while (layout.NextRow(row, row)) ++rows;
    benchmark::DoNotOptimize(row);
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetBytesProcessed(state.iterations() * setup.engine.GetLength());
}

void EndOfALongLine(benchmark::State& state, Text kind, bool utf8) {
  Setup setup(kind, utf8, false);
  std::int64_t x = 0;
  for (auto _ : state) {
    LineXCache cache;
    RowLayout layout(setup.engine, setup.metrics, 0, &cache);
    Row row = layout.RowAt(0);
    x = layout.XOf(row, row.end);
    benchmark::DoNotOptimize(x);
  }
  state.counters["width"] = static_cast<double>(x);
  state.SetBytesProcessed(state.iterations() * setup.engine.GetLength());
}

BENCHMARK_CAPTURE(WrapAllRows, Russian_1251_view, Russian1251, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WrapAllRows, Russian_utf8_view, RussianUtf8, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WrapAllRows, English_1251_view, English, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WrapAllRows, English_utf8_view, English, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EndOfALongLine, Russian_1251_view, Russian1251, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EndOfALongLine, Russian_utf8_view, RussianUtf8, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EndOfALongLine, English_1251_view, English, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EndOfALongLine, English_utf8_view, English, true)->Unit(benchmark::kMillisecond);

}  // namespace
