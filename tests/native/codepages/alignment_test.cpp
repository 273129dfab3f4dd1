// Alignment rules, one example each. That words survive, lines fit (in bytes or UTF-8 characters),
// indents hold, the output limit refuses exactly what is longer and pieces make the same text, on
// any settings, is the alignment fuzz target's part.
#include "codepages/alignment.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Align(std::string_view text, Alignment alignment, AlignmentSettings settings) {
  std::optional<std::string> aligned = AlignText(text, alignment, settings);
  EXPECT_TRUE(aligned.has_value());
  return aligned.value_or("");
}

AlignmentSettings Width(int32_t width, bool joinLines = false) { return {width, 0, 0, joinLines}; }
std::string Spaces(std::size_t n) { return std::string(n, ' '); }

}  // namespace

TEST(Alignment, ExamplesOfTheRules) {
  const std::string lines = "aa b\r\ncc d\r\n\r\nx y\r\n", abcd = "aaa bbb ccc ddd\r\n", longWord(30, 'w');
  const struct { std::string text; Alignment alignment; AlignmentSettings settings; std::string aligned; } cases[] = {
      {"one  \t two\r\n", AlignLeft, Width(20), "one two\r\n"},
      // The last byte of a range without a line break is written but not measured.
      {"one two", AlignRight, Width(20), Spaces(14) + "one two\r\n"},
      // The spare column goes to the first gap; the range's last line keeps single spaces.
      {"aaa bbb ccc ddd eee fff\r\n", AlignJustify, Width(20, true), "aaa  bbb ccc ddd eee\r\nfff\r\n"},
      // Every line ending at a line break is stretched, the range's last one is not; a blank line
      // is its indent (LI 2) plus, centred or flush right, its free columns.
      {lines, AlignJustify, {20, 0, 2, false}, "aa" + Spaces(17) + "b\r\n  cc" + Spaces(15) + "d\r\n  \r\n  x y\r\n"},
      {lines, AlignRight, {20, 0, 2, false},
       Spaces(16) + "aa b\r\n" + Spaces(16) + "cc d\r\n" + Spaces(20) + "\r\n" + Spaces(17) + "x y\r\n"},
      {lines, AlignLeft, {20, 0, 0, true}, "aa b cc d x y\r\n"},
      // Bare line feeds end lines as CR LF does, and a leading empty line stays.
      {"\naa b\ncc d\n\nx y\n", AlignJustify, {20, 0, 2, false}, "\r\n" + Align(lines, AlignJustify, {20, 2, 2, false})},
      {abcd, AlignLeft, {12, 3, 1, false}, "   aaa bbb\r\n ccc ddd\r\n"},
      // Centring uses the left indent for the first line too.
      {abcd, AlignCentre, {12, 3, 1, false}, " aaa bbb ccc\r\n     ddd\r\n"},
      {"ab\r\n", AlignCentre, Width(5), " ab\r\n"},  // an odd spare column goes to the right
      // An indent not smaller than width - 8 counts as 0: LI 75 with RI 80 is ignored, LI 71 is not.
      {"a b c\r\nd\r\n", AlignLeft, {80, 75, 75, false}, "a b c\r\nd\r\n"},
      {"a b c\r\nd\r\n", AlignLeft, {80, 71, 71, false}, Spaces(71) + "a b c\r\n" + Spaces(71) + "d\r\n"},
      // Long words stay whole; blanks after one do not make an empty line of their own.
      {"a " + longWord + " b\r\n", AlignJustify, Width(10), "a\r\n" + longWord + "\r\nb\r\n"},
      {longWord + " \t\r\nb\n", AlignLeft, Width(10), longWord + "\r\nb\r\n"},
      // A final word after the last measured one is separated from it, not glued on.
      {"one t", AlignJustify, Width(20), "one t\r\n"},
      // No width: a word a line, no indents; a width beyond any screen is maxAlignmentWidth.
      {"a b\r\n", AlignCentre, {INT_MIN, INT_MAX, INT_MIN, false}, "a\r\nb\r\n"},
      {"x y\n", AlignRight, Width(INT_MAX), Spaces(maxAlignmentWidth - 3) + "x y\r\n"},
      {"", AlignRight, Width(80), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Align(c.text, c.alignment, c.settings), c.aligned) << c.text;
}

