// Reads, selection kinds, a stream without a callback and line questions at and past the ends of the text:
// what the engine's random programs (engine_program.h) never ask.
#include <gtest/gtest.h>

#include <string>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

TEST(EngineText, ReadsAndLineQueriesOutsideTheTextAreSafe) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  DocumentEngine engine = WithText(all);
  char buffer[8] = {'x'};
  EXPECT_EQ(engine.GetText(buffer, 0), 0);  // other sizes: the random programs' bounded copies
  EXPECT_EQ(engine.GetByte(255), 0xFF);
  EXPECT_EQ(engine.GetByte(256), 0);
  EXPECT_EQ(engine.GetByte(-1), 0);

  engine.SetText("abcdef");
  const struct { PositionRange range; const char* text; } ranges[] = {
      {{4, -1}, "ef"}, {{100, 200}, ""}, {{4, 2}, ""}, {{-5, 2}, "ab"}};
  for (const auto& r : ranges) EXPECT_EQ(engine.GetTextRange(r.range), r.text) << r.range.start;
  EXPECT_EQ(engine.GetTextRange({1, 6}, buffer, 3), 2);
  EXPECT_STREQ(buffer, "bc");
  engine.SetSelection(5, 6);
  EXPECT_EQ(engine.GetSelectionType(), SelectionText);
  engine.SetSelection(0, -1);
  EXPECT_EQ(engine.GetSelectionType(), SelectionText | SelectionMultiChar);
  engine.SetSelection(2, 2);
  EXPECT_EQ(engine.GetSelectionType(), SelectionEmpty);
  EngineStream none;  // no callback: refused, nothing read
  EXPECT_EQ(engine.StreamIn(none, StreamText), 0);
  EXPECT_EQ(none.error, StreamErrorFormat);
  EXPECT_EQ(engine.GetText(), "abcdef");

  engine.SetText("ab\r\ncd\r\n");
  EXPECT_EQ(engine.GetLineFromPosition(100), 2);
  EXPECT_EQ(engine.GetLineFromPosition(-3), 0);
  EXPECT_EQ(engine.GetLineIndex(-2), -1);
  EXPECT_EQ(engine.GetLineLengthAt(5), 2);
  // -1: bytes of the touched lines that are not selected.
  engine.SetSelection(1, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 1 + 1);
  engine.SetSelection(5, 5);
  EXPECT_EQ(engine.GetLineLengthAt(-1), 2);
}
