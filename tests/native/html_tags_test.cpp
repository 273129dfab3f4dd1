// The tag scan of the HTML painting, and the painting of its ranges in the
// engine's colour runs in one pass.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conversion/html_tags.h"
#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

using namespace std::string_literals;

namespace {

// Which bytes the scan paints, as "." and "#", for readable failures.
std::string Painted(const std::string& text, const std::vector<TagRange>& tags) {
  std::string marks(text.size(), '.');
  for (const TagRange& tag : tags) marks.replace(tag.start, tag.end - tag.start, tag.end - tag.start, '#');
  return marks;
}

std::string Scanned(const std::string& text) { return Painted(text, FindHtmlTags(text.data(), text.size())); }

// The rule read directly: a ">" closes a tag that starts at the last "<"
// before it, when no other ">" lies between the two.
std::string Model(const std::string& text) {
  std::string marks(text.size(), '.');
  for (std::size_t end = 0; end < text.size(); ++end) {
    if (text[end] != '>') continue;
    std::size_t open = text.rfind('<', end);
    if (open == std::string::npos || text.find('>', open) != end) continue;
    marks.replace(open, end + 1 - open, end + 1 - open, '#');
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

TEST(HtmlTags, ScanPaintsFromTheLastOpeningBeforeEachClosing) {
  const struct { std::string text, painted; } cases[] = {
      {"a<b>c<d", ".###..."},
      {"<<i>>", ".###."},
      {"<a><b>", "######"},
      {"x>y<", "...."},
      {"<", "."},
      {"", ""},
      {"<p>\xE0\xFF<\0>"s, "###..###"},
  };
  for (const auto& c : cases) EXPECT_EQ(Scanned(c.text), c.painted) << c.text;
}

TEST(HtmlTags, ScanAgreesWithTheRuleOnRandomTexts) {
  std::mt19937 random(15);
  for (int round = 0; round < 3000; ++round) {
    std::string text = RandomText(random, random() % 40);
    ASSERT_EQ(Scanned(text), Model(text)) << text;
  }
}

// In one pass over a text without runs and range by range over one with
// them, every byte ends in its colour and neighbouring runs differ.
TEST(HtmlTags, EnginePaintsAllRangesAtOnceAsByteByByte) {
  std::mt19937 random(53);
  for (int round = 0; round < 400; ++round) {
    std::string text = RandomText(random, 1 + random() % 60);
    DocumentEngine engine;
    engine.SetText(text);
    engine.SetTextFormat(Coloured(8), FormatColour);
    std::string expected = Model(text);
    bool painted = round % 2 == 1;
    if (painted) {
      engine.SetRangeFormat({0, 1}, Coloured(255), FormatColour);
      expected[0] = '#';
    }
    // Touching tags ("<a><b>") make one run.
    std::vector<TagRange> tags = FindHtmlTags(text.data(), text.size());
    std::vector<PositionRange> ranges;
    for (const TagRange& tag : tags) ranges.push_back({tag.start, tag.end});
    ASSERT_TRUE(engine.PaintRanges(ranges.data(), ranges.size(), 255));
    std::string seen;
    for (Position i = 0; i < static_cast<Position>(text.size()); ++i) {
      seen += engine.GetRangeFormat({i, i + 1}).format.colour == 255 ? '#' : '.';
      DocumentEngine::ColourRun run = engine.GetColourRun(i);
      if (run.end < static_cast<Position>(text.size())) {
        ASSERT_NE(engine.GetColourRun(run.end).colour, run.colour) << text << " at " << i;
      }
    }
    ASSERT_EQ(seen, expected) << text << (painted ? " (painted before)" : "");
  }
  // Thousands of tags: the runs span many blocks of their list.
  std::string text;
  for (int i = 0; i < 5000; ++i) text += i % 3 ? "<a>bc" : "<a><b>";
  DocumentEngine engine = WithText(text);
  std::vector<PositionRange> ranges;
  for (const TagRange& tag : FindHtmlTags(text.data(), text.size())) ranges.push_back({tag.start, tag.end});
  ASSERT_TRUE(engine.PaintRanges(ranges.data(), ranges.size(), 255));
  std::string model = Model(text), seen;
  for (Position i = 0; i < static_cast<Position>(text.size()); ++i) {
    seen += engine.GetRangeFormat({i, i + 1}).format.colour == 255 ? '#' : '.';
  }
  EXPECT_EQ(seen, model);
}

TEST(HtmlTags, EngineRefusesRangesOutOfOrderOrOutsideTheText) {
  DocumentEngine engine;
  engine.SetText("<a><b>");
  const std::vector<std::vector<PositionRange>> bad = {{{3, 6}, {0, 3}}, {{0, 4}, {3, 6}}, {{0, 7}}, {{-1, 2}}, {{2, 2}}};
  for (const auto& ranges : bad) {
    EXPECT_FALSE(engine.PaintRanges(ranges.data(), ranges.size(), 255));
    EXPECT_EQ(engine.GetColourRun(0).end, 6);  // one run: nothing painted
  }
}
