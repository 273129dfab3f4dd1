#include <benchmark/benchmark.h>

#include <string>

#include "engine/rtf_reader.h"

// About 16 MB of RTF in the shapes word processors write Russian text in.
static std::string Document(const std::string& paragraph) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times;}}\n";
  while (rtf.size() < (16u << 20)) rtf += paragraph;
  return rtf + "}";
}

static void Convert(benchmark::State& state, const std::string& rtf) {
  for (auto _ : state) benchmark::DoNotOptimize(RtfToText(rtf, Koi8));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

// \uN with one-byte fallbacks, as LibreOffice writes them.
static void BM_RtfUnicode(benchmark::State& state) {
  static const std::string rtf = Document(
      "\\pard\\plain\\f0\\fs24{\\loch\n\\u1025\\'a8\\u1078\\'e6\\u1080\\'e8\\u1082\\'ea \\u1074\\'e2 "
      "\\u171\\'ab\\u1090\\'f2\\u1091\\'f3\\u1084\\'ec\\u187\\'bb \\u8212\\'97 text.}\n\\par ");
  Convert(state, rtf);
}
BENCHMARK(BM_RtfUnicode);

// \'hh in Windows-1251, as Word and WordPad of a Russian system write them.
static void BM_RtfHexBytes(benchmark::State& state) {
  static const std::string rtf = Document(
      "\\pard\\f0\\fs24 \\'a8\\'e6\\'e8\\'ea \\'e2 \\'ab\\'f2\\'f3\\'ec\\'e0\\'ed\\'e5\\'bb \\'97 text.\\par\n");
  Convert(state, rtf);
}
BENCHMARK(BM_RtfHexBytes);
