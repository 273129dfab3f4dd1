// Line requests at and past the ends of the text, and for the caret or selection.
#include <gtest/gtest.h>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

TEST(EngineLines, PositionsMapToTheirLinesAndOutOfRangeRequestsAreSafe) {
  DocumentEngine engine = WithText("ab\r\ncd\r\n");
  const Position lines[] = {0, 0, 0, 0, 1, 1, 1, 1, 2};  // between CR and LF: still the first line
  for (Position p = 0; p <= 8; ++p) EXPECT_EQ(engine.GetLineFromPosition(p), lines[p]) << p;
  EXPECT_EQ(engine.GetLineFromPosition(100), 2);
  EXPECT_EQ(engine.GetLineFromPosition(-3), 0);
  EXPECT_EQ(engine.GetLineLength(3), 0);
  EXPECT_EQ(engine.GetLineIndex(-2), -1);

  engine.SetSelection(5, 5);
  EXPECT_EQ(engine.GetLineIndex(-1), 4);  // the caret's line
  EXPECT_EQ(engine.GetLineLengthAt(5), 2);
  // -1: bytes of the touched lines that are not selected.
  engine.SetSelection(1, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 1 + 1);
  engine.SetSelection(5, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 2);
}
