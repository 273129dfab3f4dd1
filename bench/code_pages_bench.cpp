#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstring>
#include <vector>

#include "codepages/code_pages.h"

namespace {

constexpr size_t bufferSize = 64 << 20;

// Russian-looking text: Windows-1251 words of letters with spaces, commas and
// line breaks, every byte a character that all five code pages have.
std::vector<unsigned char> AnsiText() {
  std::vector<unsigned char> text(bufferSize);
  unsigned state = 12345;
  for (size_t i = 0; i < text.size(); ++i) {
    state = state * 1103515245 + 12345;
    unsigned pick = (state >> 16) % 40;
    text[i] = pick < 32 ? static_cast<unsigned char>(0xE0 + pick) : pick < 38 ? ' ' : pick == 38 ? ',' : '\n';
  }
  return text;
}

// The same text in `codePage`.
std::vector<unsigned char> TextIn(CodePage codePage) {
  std::vector<unsigned char> text = AnsiText();
  RecodeBytes(text.data(), text.size(), toOemTable[Ansi], fromOemTable[codePage]);
  return text;
}

void RecodeRoute(benchmark::State& state, CodePage from, CodePage to) {
  std::vector<unsigned char> text = TextIn(from);
  for (auto _ : state) {
    RecodeBytes(text.data(), text.size(), toOemTable[from], fromOemTable[to]);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bufferSize);
}

void IconvRoute(benchmark::State& state, CodePage from, const char* fromName, const char* toName) {
  std::vector<unsigned char> text = TextIn(from);
  std::vector<char> output(bufferSize);
  iconv_t converter = iconv_open(toName, fromName);
  for (auto _ : state) {
    char* in = reinterpret_cast<char*>(text.data());
    char* out = output.data();
    size_t inLeft = text.size();
    size_t outLeft = output.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
      state.SkipWithError("iconv refused the text");
      break;
    }
    benchmark::ClobberMemory();
  }
  iconv_close(converter);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bufferSize);
}

void BM_Memcpy(benchmark::State& state) {
  std::vector<unsigned char> text = AnsiText();
  std::vector<unsigned char> copy(bufferSize);
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), bufferSize);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bufferSize);
}

void BM_RecodeBytes_OemToAnsi(benchmark::State& state) { RecodeRoute(state, Oem, Ansi); }
void BM_RecodeBytes_Koi8ToIso(benchmark::State& state) { RecodeRoute(state, Koi8, Iso); }
void BM_Iconv_Cp866ToCp1251(benchmark::State& state) { IconvRoute(state, Oem, "CP866", "CP1251"); }
void BM_Iconv_Koi8rToIso88595(benchmark::State& state) { IconvRoute(state, Koi8, "KOI8-R", "ISO-8859-5"); }

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecodeBytes_OemToAnsi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Iconv_Cp866ToCp1251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecodeBytes_Koi8ToIso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Iconv_Koi8rToIso88595)->Unit(benchmark::kMillisecond);
