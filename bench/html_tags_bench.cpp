// HTML tag painting in the engine on a 10 MB text of about 300 000 tags: the
// scan alone, and the scan with the painting of every tag's colour run.
#include <benchmark/benchmark.h>

#include <vector>

#include "codepages/html_tags.h"
#include "engine/document_engine.h"
#include "html_text.h"

namespace {

constexpr std::size_t TextSize = 10u << 20;

const std::string& Text() {
  static const std::string text = HtmlText(TextSize);
  return text;
}

void BM_FindHtmlTags(benchmark::State& state) {
  Text();  // made outside the timing
  std::size_t tags = 0;
  for (auto _ : state) {
    std::vector<TagRange> found = FindHtmlTags(Text().data(), Text().size());
    tags = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["tags"] = static_cast<double>(tags);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * TextSize));
}
BENCHMARK(BM_FindHtmlTags)->Unit(benchmark::kMillisecond);

// What the control does for Ctrl+H: the text back in its colour, then every tag at once.
void BM_PaintHtmlTags(benchmark::State& state) {
  DocumentEngine engine;
  engine.SetTextLimit(MaxTextLength);
  engine.SetText(Text());
  CharFormat base, tag;
  base.colour = 8;
  tag.colour = 0xFF0000;
  for (auto _ : state) {
    engine.SetTextFormat(base, FormatColour);
    std::vector<TagRange> found = FindHtmlTags(Text().data(), Text().size());
    std::vector<PositionRange> ranges(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) ranges[i] = {found[i].start, found[i].end};
    engine.PaintRanges(ranges.data(), ranges.size(), tag.colour);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * TextSize));
}
BENCHMARK(BM_PaintHtmlTags)->Unit(benchmark::kMillisecond);

}  // namespace
