#include <benchmark/benchmark.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "codepages/utf8_latin.h"
#include "codepages/utf8_recoding.h"

namespace {

constexpr std::size_t textSize = 64 << 20;

// The fortunes-ru collections (UTF-8 Russian prose) repeated to 64 MB; empty when missing.
const std::string& RussianUtf8() {
  static const std::string text = [] {
    std::string corpus;
    const std::filesystem::path directory = "/usr/share/games/fortunes/ru";
    if (!std::filesystem::is_directory(directory)) return corpus;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
      if (entry.path().extension() != ".u8") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      corpus.append(std::istreambuf_iterator<char>(file), {});
    }
    std::string repeated;
    while (!corpus.empty() && repeated.size() < textSize) repeated += corpus;
    repeated.resize(std::min(repeated.size(), textSize));
    return repeated;
  }();
  return text;
}

void BM_Utf8ToAnsi(benchmark::State& state) {
  const std::string& text = RussianUtf8();
  if (text.empty()) return state.SkipWithError("install fortunes-ru (scripts/install-deps.sh)");
  std::string out(Utf8ToPage::MaxOutput(text.size()), '\0');
  for (auto _ : state) {
    Utf8ToPage converter(Ansi);
    const std::size_t length = converter.Convert(text, out.data());
    benchmark::DoNotOptimize(converter.Finish(out.data() + length));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

// Translit in the UTF-8 view: Latin letters in the UTF-8 text.
void BM_TransliterateUtf8(benchmark::State& state) {
  const std::string& text = RussianUtf8();
  if (text.empty()) return state.SkipWithError("install fortunes-ru (scripts/install-deps.sh)");
  for (auto _ : state) benchmark::DoNotOptimize(WriteLatinInUtf8(text, LatinCommand::Translit));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

// glibc's iconv(3) on the same text, transliterating what Windows-1251 lacks as ours replaces it.
void BM_IconvUtf8ToCp1251(benchmark::State& state) {
  const std::string& text = RussianUtf8();
  if (text.empty()) return state.SkipWithError("install fortunes-ru (scripts/install-deps.sh)");
  std::string out(text.size(), '\0');
  iconv_t converter = iconv_open("CP1251//TRANSLIT", "UTF-8");
  for (auto _ : state) {
    char* in = const_cast<char*>(text.data());
    char* next = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &next, &outLeft) == static_cast<std::size_t>(-1)) {
      state.SkipWithError("iconv refused the text");
      break;
    }
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(converter);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

}  // namespace

BENCHMARK(BM_Utf8ToAnsi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransliterateUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconvUtf8ToCp1251)->Unit(benchmark::kMillisecond);
