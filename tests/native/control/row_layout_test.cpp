// Rows of the document control: word wrap and long-line segments. The walk between rows,
// positions and x on random texts (of single bytes, tabs and line breaks among the rest) and
// the rows kept across edits are utf8_rows_test.cpp's part.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/row_layout.h"
#include "unit_rows.h"

namespace {

// All rows from the first by NextRow.
std::vector<Row> AllRows(const RowLayout& layout) {
  std::vector<Row> rows{layout.RowAt(0)};
  Row next;
  while (layout.NextRow(rows.back(), next)) rows.push_back(next);
  return rows;
}

std::vector<std::string> RowTexts(const Document& doc, int width) {
  std::vector<std::string> texts;
  for (const Row& row : AllRows(doc.Layout(width))) texts.push_back(doc.engine.GetTextRange({row.start, row.end}));
  return texts;
}

TEST(RowLayout, WrapsAfterBlanksCutsWordsLongerThanARowAndTabsGoToTheNextStop) {
  const std::string text = "one two three\r\nabcdefghijkl x\n\nend";
  const struct { std::string text; int width; std::vector<std::string> rows; } cases[] = {
      {text, 8, {"one two ", "three", "abcdefgh", "ijkl x", "", "end"}},
      {"ab      cd", 4, {"ab      ", "cd"}},  // blanks hang past the edge instead of starting a row
      {text, 0, {"one two three", "abcdefghijkl x", "", "end"}},  // without wrap a line is a row
      {"a\tb\t\tc", 9, {"a\tb\t\t", "c"}},  // tabs count in the wrap
  };
  for (const auto& c : cases) EXPECT_EQ(RowTexts(Document(c.text), c.width), c.rows) << c.text;
  Document tabs("a\tb\t\tc");
  RowLayout layout = tabs.Layout(0);
  Row row = layout.RowAt(0);
  const std::pair<Position, int> stops[] = {{2, 4}, {4, 8}, {5, 12}};
  for (const auto& [position, x] : stops) EXPECT_EQ(layout.XOf(row, position), x) << position;
  EXPECT_EQ(layout.Width(row), 13);
}

TEST(RowLayout, ALineLongerThanASegmentWrapsSegmentBySegment) {
  constexpr Position S = RowLayout::SegmentLength;
  // Words of 9 bytes and a blank: a segment start falls inside a word.
  std::string line;
  while (static_cast<Position>(line.size()) < 2 * S + 500) line += "wordword ";
  Document doc("first\r\n" + line + "\r\nlast");
  RowLayout layout = doc.Layout(40);
  Position lineStart = 7;
  EXPECT_EQ(layout.RowAt(lineStart + S).start, lineStart + S);
  const Row beforeSegment = layout.RowAt(lineStart + S - 1);
  EXPECT_FALSE(beforeSegment.hardEnd);
  EXPECT_EQ(beforeSegment.next, lineStart + S);
  Row end = layout.RowAt(lineStart + static_cast<Position>(line.size()));
  EXPECT_TRUE(end.hardEnd);
  EXPECT_EQ(end.next, lineStart + static_cast<Position>(line.size()) + 2);
  // Rows of the line are counted across its segments.
  Row second = layout.RowAt(lineStart);
  layout.NextRow(second, second);
  EXPECT_EQ(layout.RowInLine(second), 1);
  EXPECT_GT(layout.RowInLine(end), 2 * S / 40);
  // Unwrapped, the x cache of the line gives what a walk from its start gives, also after an edit inside it.
  LineXCache cache;
  for (int edit = 0; edit < 2; ++edit) {
    RowLayout plain(doc.engine, doc.metrics, 0), cached(doc.engine, doc.metrics, 0, &cache);
    const Row row = plain.RowAt(lineStart);
    for (Position p : {row.start + S + 3, row.end}) EXPECT_EQ(cached.XOf(row, p), plain.XOf(row, p)) << edit;
    doc.engine.SetSelection(lineStart + S + 1, lineStart + S + 2);
    doc.engine.ReplaceSelection("\t\t");
    cache.Replaced(lineStart + S + 1, 1, 2);
  }
}

}  // namespace
