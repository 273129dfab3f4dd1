#include <benchmark/benchmark.h>
#include <iconv.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "codepages/alignment.h"
#include "codepages/line_breaks.h"
#include "codepages/transliteration.h"
#include "codepages/utf8_recoding.h"

namespace {

constexpr std::size_t textSize = 10 << 20;

std::string Windows1251(const std::string& utf8) {
  iconv_t converter = iconv_open("CP1251//TRANSLIT", "UTF-8");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  size_t inLeft = utf8.size(), outLeft = out.size();
  while (inLeft > 0 && iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<size_t>(-1)) {
    ++in;  // skip what the code page cannot hold
    --inLeft;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

// 10 MB of real Russian text in Windows-1251: the fortunes-ru collections over and over;
// empty when the package is missing.
const std::string& RussianText() {
  static const std::string text = [] {
    std::string collections;
    const std::filesystem::path dir = "/usr/share/games/fortunes/ru";
    if (!std::filesystem::is_directory(dir)) return collections;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      const std::string extension = entry.path().extension();
      if (entry.is_symlink() || extension == ".dat" || extension == ".u8") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      collections.append(std::istreambuf_iterator<char>(file), {});
    }
    collections = Windows1251(collections);
    std::string text;
    while (!collections.empty() && text.size() < textSize) text += collections;
    text.resize(std::min(text.size(), textSize));
    return text;
  }();
  return text;
}

template <typename Transform>
void Run(benchmark::State& state, const std::string& text, Transform transform) {
  if (text.empty()) {
    state.SkipWithError("no Russian text: install fortunes-ru");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(transform(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void Align(benchmark::State& state, Alignment alignment, bool joinLines) {
  Run(state, RussianText(), [=](const std::string& text) { return AlignText(text, alignment, {80, 0, 0, joinLines}); });
}

void BM_AlignJustify(benchmark::State& state) { Align(state, AlignJustify, false); }
void BM_AlignJustifyJoined(benchmark::State& state) { Align(state, AlignJustify, true); }
void BM_AlignLeftJoined(benchmark::State& state) { Align(state, AlignLeft, true); }
void BM_AlignCentre(benchmark::State& state) { Align(state, AlignCentre, false); }

// The same text as UTF-8, its width counted in characters as the UTF-8 view counts them.
void BM_AlignJustifyUtf8(benchmark::State& state) {
  static const std::string text = RecodeText(RussianText(), Ansi, Utf8).bytes;
  AlignmentSettings settings{80, 0, 0, false};
  settings.utf8Columns = true;
  Run(state, text, [&](const std::string& utf8) { return AlignText(utf8, AlignJustify, settings); });
}

void BM_Transliterate(benchmark::State& state) {
  Run(state, RussianText(), [](const std::string& text) { return Transliterate(text, Ansi); });
}

void BM_RepairLineBreaks(benchmark::State& state) {
  // Line ends as old Macintosh texts have them: every one needs a line feed.
  static const std::string text = [] {
    std::string lonely = RussianText();
    std::replace(lonely.begin(), lonely.end(), '\n', '\r');
    return lonely;
  }();
  Run(state, text, RepairLineBreaks);
}

}  // namespace

BENCHMARK(BM_AlignJustify)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignJustifyJoined)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignLeftJoined)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignCentre)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignJustifyUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Transliterate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepairLineBreaks)->Unit(benchmark::kMillisecond);
