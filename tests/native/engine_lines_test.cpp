// Line operations, and line breaks that edits split or join.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

TEST(EngineLines, EveryKindOfBreakEndsALine) {
  struct Case {
    std::string text;
    std::vector<Position> starts;
    std::vector<Position> lengths;
  };
  const Case cases[] = {
      {"", {0}, {0}},
      {"abc", {0}, {3}},
      {"a\r\n", {0, 3}, {1, 0}},
      {"a\rb\nc\r\nd", {0, 2, 4, 7}, {1, 1, 1, 1}},
      {"\n\r", {0, 1, 2}, {0, 0, 0}},   // LF then CR: two breaks
      {"\r\r\n\n", {0, 1, 3, 4}, {0, 0, 0, 0}},
      {std::string("x\0\r\n\0", 5), {0, 4}, {2, 1}},
  };
  for (const Case& c : cases) {
    DocumentEngine engine = WithText(c.text);
    ASSERT_EQ(LineStarts(engine), c.starts) << c.text;
    ASSERT_EQ(engine.GetLineCount(), static_cast<Position>(c.starts.size()));
    for (std::size_t line = 0; line < c.lengths.size(); ++line) {
      EXPECT_EQ(engine.GetLineLength(static_cast<Position>(line)), c.lengths[line]) << c.text << " line " << line;
    }
    EXPECT_EQ(engine.GetLineLength(static_cast<Position>(c.starts.size())), 0);
    EXPECT_EQ(engine.GetLineIndex(-2), -1);
  }
}

TEST(EngineLines, PositionsMapToTheirLines) {
  DocumentEngine engine = WithText("ab\r\ncd\r\n");
  const Position lines[] = {0, 0, 0, 0, 1, 1, 1, 1, 2};  // between CR and LF: still the first line
  for (Position p = 0; p <= 8; ++p) EXPECT_EQ(engine.GetLineFromPosition(p), lines[p]) << p;
  EXPECT_EQ(engine.GetLineFromPosition(100), 2);
  EXPECT_EQ(engine.GetLineFromPosition(-3), 0);

  engine.SetSelection(5, 5);
  EXPECT_EQ(engine.GetLineIndex(-1), 4);  // the caret's line
  EXPECT_EQ(engine.GetLineLengthAt(5), 2);
  // -1: bytes of the touched lines that are not selected.
  engine.SetSelection(1, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 1 + 1);
  engine.SetSelection(5, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 2);
}

TEST(EngineLines, EditsThatSplitOrJoinCrLfKeepTheIndexRight) {
  DocumentEngine engine = WithText("a\r\nb");
  engine.SetSelection(2, 2);  // between CR and LF
  engine.ReplaceSelection("x");
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 2, 4}));  // a CR | x LF | b
  engine.SetSelection(2, 3);
  engine.ClearSelection();  // rejoined
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 3}));

  engine.SetSelection(3, 3);
  engine.ReplaceSelection("\r");  // "a\r\n\rb"
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 3, 4}));
  engine.SetSelection(2, 3);
  engine.ClearSelection();  // drop the LF: two lone CRs
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 2, 3}));
  engine.SetSelection(2, 2);
  engine.ReplaceSelection("\n");  // the first CR gets its LF back
  EXPECT_EQ(engine.GetText(), "a\r\n\rb");
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 3, 4}));

  engine.SetSelection(0, -1);
  engine.ReplaceSelection("\r");  // a text ending in a break has an empty last line
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 1}));
  engine.SetSelection(1, 1);
  engine.ReplaceSelection("\n");
  EXPECT_EQ(LineStarts(engine), (std::vector<Position>{0, 2}));
}
