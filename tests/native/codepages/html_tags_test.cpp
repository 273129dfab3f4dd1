// The tag scan of the HTML painting against the rule read directly (itself pinned on
// examples), and the engine painting all its ranges in one pass.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codepages/html_tags.h"
#include "engine_test_support.h"

using namespace std::string_literals;

namespace {

// A ">" closes a tag from the last "<" before it, when no other ">" lies between.
std::string Model(const std::string& text) {
  std::string marks(text.size(), '.');
  for (std::size_t end = 0; end < text.size(); ++end) {
    std::size_t open = text[end] == '>' ? text.rfind('<', end) : std::string::npos;
    if (open != text.npos && text.find('>', open) == end) marks.replace(open, end + 1 - open, end + 1 - open, '#');
  }
  return marks;
}

std::string RandomText(std::mt19937& random, std::size_t length) {
  static constexpr char alphabet[] = "<<>>ab\r\n";
  std::string text(length, ' ');
  for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
  return text;
}

}  // namespace

// The scan against the model on random texts, painted by the engine: over a text without runs the runs are
// built in one pass (thousands of them in the last round, across many blocks); over one with runs, range by
// range. Either way every byte shows its colour; bad ranges paint nothing.
TEST(HtmlTags, EnginePaintsAllRangesAtOnceAsTheScanSays) {
  const struct { std::string text, painted; } rule[] = {
      {"a<b>c<d", ".###..."}, {"<<i>>", ".###."}, {"<a><b>", "######"}, {"x>y<", "...."},
      {"<p>\xE0\xFF<\0>"s, "###..###"},
  };
  for (const auto& c : rule) ASSERT_EQ(Model(c.text), c.painted) << c.text;
  std::mt19937 random(53);
  for (int round = 0; round < 1000; ++round) {
    std::string text = round < 5 ? rule[round].text : RandomText(random, round == 999 ? 30000 : 1 + random() % 60);
    DocumentEngine engine = WithText(text);
    std::string expected = Model(text);
    if (round % 2) {
      engine.SetRangeFormat({0, 1}, Coloured(255), FormatColour);
      expected[0] = '#';
    }
    std::vector<PositionRange> ranges;
    for (const TagRange& tag : FindHtmlTags(text.data(), text.size())) ranges.push_back({tag.start, tag.end});
    ASSERT_TRUE(engine.PaintRanges(ranges.data(), ranges.size(), 255));
    std::string seen;
    for (Position i = 0; i < static_cast<Position>(text.size()); ++i) {
      seen += engine.GetRangeFormat({i, i + 1}).format.colour == 255 ? '#' : '.';
    }
    ASSERT_EQ(seen, expected) << text;
  }
  DocumentEngine engine = WithText("<a><b>");
  for (const auto& bad : {std::vector<PositionRange>{{3, 6}, {0, 3}}, {{0, 4}, {3, 6}}, {{0, 7}}, {{2, 2}}}) {
    EXPECT_FALSE(engine.PaintRanges(bad.data(), bad.size(), 255));
    EXPECT_EQ(engine.GetColourRun(0).end, 6);  // one run: nothing painted
  }
}
