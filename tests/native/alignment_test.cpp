#include "conversion/alignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "russian_texts.h"

namespace {

std::string Align(std::string_view text, Alignment alignment, AlignmentSettings settings) {
  std::optional<std::string> aligned = AlignText(text, alignment, settings);
  EXPECT_TRUE(aligned.has_value());
  return aligned.value_or("");
}

AlignmentSettings Width(int32_t width, bool joinLines = false) { return {width, 0, 0, joinLines}; }

bool IsBlank(char c) { return c == 0 || c == '\t' || c == '\n' || c == '\r' || c == ' '; }

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < text.size();) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

// The output lines without their CR LF; the output must end with one.
std::vector<std::string> Lines(const std::string& aligned) {
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = aligned.find("\r\n", start)) != std::string::npos) {
    lines.push_back(aligned.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, aligned.size()) << "output does not end with CR LF";
  return lines;
}

std::size_t LeadingSpaces(const std::string& line) { return std::min(line.find_first_not_of(' '), line.size()); }

}  // namespace

// The rules the real texts below cannot show, one example each.
TEST(Alignment, ExamplesOfTheRules) {
  const std::string lines = "aa b\r\ncc d\r\n\r\nx y\r\n", abcd = "aaa bbb ccc ddd\r\n", longWord(30, 'w');
  const struct { std::string text; Alignment alignment; AlignmentSettings settings; std::string aligned; } cases[] = {
      {"one  \t two\r\n", AlignLeft, Width(20), "one two\r\n"},
      // The last byte of a range without a line break is written but not measured.
      {"one two", AlignRight, Width(20), std::string(14, ' ') + "one two\r\n"},
      // The spare column goes to the first gap; the range's last line keeps single spaces.
      {"aaa bbb ccc ddd eee fff\r\n", AlignJustify, Width(20, true), "aaa  bbb ccc ddd eee\r\nfff\r\n"},
      // Every line ending at a line break is stretched, the range's last one is not; a blank line
      // is its indent (LI 2) plus, centred or flush right, its free columns.
      {lines, AlignJustify, {20, 0, 2, false},
       "aa" + std::string(17, ' ') + "b\r\n  cc" + std::string(15, ' ') + "d\r\n  \r\n  x y\r\n"},
      {lines, AlignRight, {20, 0, 2, false},
       std::string(16, ' ') + "aa b\r\n" + std::string(16, ' ') + "cc d\r\n" + std::string(20, ' ') + "\r\n" +
           std::string(17, ' ') + "x y\r\n"},
      {lines, AlignLeft, {20, 0, 0, true}, "aa b cc d x y\r\n"},
      // Bare line feeds end lines as CR LF does, and a leading empty line stays.
      {"\naa b\ncc d\n\nx y\n", AlignJustify, {20, 0, 2, false}, "\r\n" + Align(lines, AlignJustify, {20, 2, 2, false})},
      {abcd, AlignLeft, {12, 3, 1, false}, "   aaa bbb\r\n ccc ddd\r\n"},
      // Centring uses the left indent for the first line too.
      {abcd, AlignCentre, {12, 3, 1, false}, " aaa bbb ccc\r\n     ddd\r\n"},
      // An indent not smaller than width - 8 counts as 0: LI 75 with RI 80 is ignored, LI 71 is not.
      {"a b c\r\nd\r\n", AlignLeft, {80, 75, 75, false}, "a b c\r\nd\r\n"},
      // Long words stay whole; blanks after one do not make an empty line of their own.
      {"a " + longWord + " b\r\n", AlignJustify, Width(10), "a\r\n" + longWord + "\r\nb\r\n"},
      {longWord + " \t\r\nb\r\n", AlignLeft, Width(10), longWord + "\r\nb\r\n"},
      {longWord + " \nb\n", AlignLeft, Width(10), longWord + "\r\nb\r\n"},
      // A final word after the last measured one is separated from it, not glued on.
      {"one t", AlignLeft, Width(20), "one t\r\n"}, {"one t", AlignJustify, Width(20), "one t\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Align(c.text, c.alignment, c.settings), c.aligned) << c.text;
  EXPECT_EQ(Lines(Align("a b c\r\nd\r\n", AlignLeft, {80, 71, 71, false}))[1], std::string(71, ' ') + "d");
}

TEST(Alignment, OddSettingsStaySane) {
  const std::string text = "alpha beta\r\ngamma\r\n\r\n delta epsilon zeta eta theta\r\n";
  for (Alignment alignment : {AlignJustify, AlignCentre, AlignLeft, AlignRight}) {
    for (int32_t width : {INT_MIN, -1, 0, 1}) {
      // No width at all: every word on a line of its own, no indents.
      const std::vector<std::string> lines = Lines(Align(text, alignment, {width, INT_MAX, INT_MIN, false}));
      for (const std::string& line : lines) EXPECT_LE(Words(line).size(), 1u) << width;
      EXPECT_EQ(Words(text), Words(Align(text, alignment, {width, INT_MAX, INT_MIN, true})));
    }
    // A width far beyond any screen is read as maxAlignmentWidth, with indents that count.
    for (const std::string& line : Lines(Align(text, alignment, {INT_MAX, INT_MAX - 9, 100, true}))) {
      EXPECT_LE(line.size(), static_cast<std::size_t>(maxAlignmentWidth));
    }
  }
  EXPECT_EQ(Lines(Align("x y\n", AlignRight, Width(INT_MAX)))[0].size(), static_cast<std::size_t>(maxAlignmentWidth));
}

TEST(Alignment, OutputGrowsPastAnyFixedEstimateAndHonoursItsLimit) {
  // Many empty lines flush right: each grows to the full width plus its CR LF, far beyond
  // eight times the input.
  const std::string text(100000, '\n');
  const std::optional<std::string> aligned = AlignText(text, AlignRight, Width(128));
  ASSERT_TRUE(aligned.has_value());
  EXPECT_EQ(aligned->size(), 100000u * 130);
  EXPECT_EQ(aligned->find_first_not_of(" \r\n"), std::string::npos);
  EXPECT_FALSE(AlignText(text, AlignRight, Width(128), 8 * text.size() + 65535).has_value());
  EXPECT_EQ(AlignText("", AlignRight, Width(80)), std::string());
}

// The promises of the algorithm over every collection of real Russian text.
TEST(Alignment, RealTextsKeepEveryWordAndTheWidth) {
  for (const std::string& name : RussianTextNames()) {
    std::string text = ConvertFromUtf8(RussianText(name), "CP1251");
    // Without a final line break the last line may be one column wider (tested above).
    if (text.back() != '\n') text += '\n';
    const std::vector<std::string> words = Words(text);
    for (bool join : {false, true}) {
      for (Alignment alignment : {AlignJustify, AlignCentre, AlignLeft, AlignRight}) {
        const AlignmentSettings settings{72, 4, 2, join};
        const std::string aligned = Align(text, alignment, settings);
        ASSERT_EQ(Words(aligned), words) << name << " " << alignment << " join " << join;
        const std::vector<std::string> lines = Lines(aligned);
        for (std::size_t i = 0; i < lines.size(); ++i) {
          const std::string& line = lines[i];
          const std::size_t indent = i == 0 && alignment != AlignCentre ? 4 : 2;
          const std::size_t wordCount = Words(line).size();
          SCOPED_TRACE(name + " line " + std::to_string(i) + ": " + line);
          ASSERT_GE(LeadingSpaces(line), indent);
          if (wordCount > 1) {
            ASSERT_LE(line.size(), 72u);
          }
          if (alignment == AlignRight && wordCount > 0 && line.size() <= 72) {
            ASSERT_EQ(line.size(), 72u);
          }
          if (alignment == AlignJustify && wordCount > 1 && i + 1 < lines.size()) {
            ASSERT_EQ(line.size(), 72u);
          }
          if (alignment == AlignLeft) {
            ASSERT_EQ(line.find("  ", indent), std::string::npos);
          }
          if (alignment == AlignCentre && wordCount > 0) {
            const std::size_t content = line.size() - LeadingSpaces(line), room = 72 - indent;
            ASSERT_EQ(LeadingSpaces(line) - indent, content <= room ? (room - content) / 2 : 0);
          }
        }
      }
    }
  }
}

// Unless lines are joined, each input line is aligned on its own (justification aside, which
// treats the last line of the whole range apart).
TEST(Alignment, RealTextLinesAlignOnTheirOwn) {
  const std::string text = ConvertFromUtf8(RussianText("life"), "CP1251");
  for (Alignment alignment : {AlignCentre, AlignLeft, AlignRight}) {
    std::string lineByLine;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      lineByLine += Align(text.substr(start, end - start + 1), alignment, Width(50));
    }
    EXPECT_EQ(Align(text, alignment, Width(50)), lineByLine) << alignment;
  }
}

TEST(Alignment, PiecesMakeTheSameTextAndStopWhenTheWriterDoes) {
  std::string text;
  for (const char* name : {"life", "love", "polit", "knowledge", "education", "book"}) {
    text += ConvertFromUtf8(RussianText(name), "CP1251");
  }
  std::string joined;
  int pieces = 0;
  EXPECT_TRUE(AlignTextInPieces(text, AlignRight, Width(80), [&](std::string_view piece) {
    joined += piece;
    ++pieces;
    return true;
  }));
  EXPECT_GT(pieces, 1);
  EXPECT_EQ(joined, Align(text, AlignRight, Width(80)));
  pieces = 0;
  EXPECT_FALSE(AlignTextInPieces(text, AlignRight, Width(80), [&](std::string_view) { return ++pieces < 0; }));
  EXPECT_EQ(pieces, 1);
}
