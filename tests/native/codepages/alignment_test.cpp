// Alignment rules, one example each. That words survive, lines fit, indents hold, the output
// limit refuses exactly what is longer and pieces make the same text, on any settings, is the
// alignment fuzz target's part.
#include "codepages/alignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "codepages/utf8.h"

namespace {

std::string Align(std::string_view text, Alignment alignment, AlignmentSettings settings) {
  std::optional<std::string> aligned = AlignText(text, alignment, settings);
  EXPECT_TRUE(aligned.has_value());
  return aligned.value_or("");
}

AlignmentSettings Width(int32_t width, bool joinLines = false) { return {width, 0, 0, joinLines}; }
std::string Spaces(std::size_t n) { return std::string(n, ' '); }
std::string Bytes(std::u8string_view text) { return {text.begin(), text.end()}; }

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find_first_of(" \r\n", start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
  }
  return words;
}

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


// Counting UTF-8, a column is a character: every aligned line is as wide in characters as
// its alignment makes a line of single-byte letters, and the words keep their bytes. An
// invalid byte (FF, and the overlong C0 80 as two) takes a column of its own.
TEST(Alignment, Utf8ColumnsAreCharacters) {
  const std::string texts[] = {
      Bytes(u8"съешь же ещё этих мягких французских булок да выпей чаю\r\n"),
      "the quick brown fox jumps over the lazy dog\r\n",
      Bytes(u8"цена ") + "\xFF" + Bytes(u8"5 kg — ") + "\xC0\x80" + Bytes(u8"x 😀 ok руб ещё end\r\n"),
  };
  constexpr int32_t width = 16;
  auto columns = [](std::string_view bytes) {
    return static_cast<int32_t>(Utf8CharacterCount(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
  };
  for (const std::string& text : texts) {
    for (Alignment alignment : {AlignJustify, AlignCentre, AlignLeft, AlignRight}) {
      AlignmentSettings settings = Width(width, true);
      settings.utf8Columns = true;
      const std::string aligned = Align(text, alignment, settings);
      EXPECT_EQ(Words(aligned), Words(text)) << text;
      for (std::size_t start = 0, end; (end = aligned.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string_view line(aligned.data() + start, end - start);
        SCOPED_TRACE(std::string(line));
        const std::size_t leading = line.find_first_not_of(' '), trimmed = line.find_last_not_of(' ') + 1;
        const int32_t used = columns(line.substr(leading, trimmed - leading));
        EXPECT_LE(used, width);
        const bool last = end + 2 == aligned.size();
        if (alignment == AlignRight || (alignment == AlignJustify && !last && Words(line).size() > 1)) {
          EXPECT_EQ(columns(line), width);
        } else {
          EXPECT_EQ(static_cast<int32_t>(leading), alignment == AlignCentre ? (width - used) / 2 : 0);
        }
      }
    }
  }
}
