// Text, limit, selection, reading, modified flag and undo: what the random
// model (engine_model_test.cpp) does not check.
#include <gtest/gtest.h>

#include <string>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

using namespace std::string_literals;

TEST(EngineText, CopiesAreCutToTheBufferAndRangesClampToTheText) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  DocumentEngine engine = WithText(all);
  EXPECT_EQ(engine.GetText(), all);
  char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(engine.GetText(buffer, 5), 4);  // n - 1 bytes and a zero
  EXPECT_EQ(std::string(buffer, 6), "\0\x01\x02\x03\0x"s);
  EXPECT_EQ(engine.GetText(buffer, 1), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(engine.GetText(buffer, 0), 0);
  EXPECT_EQ(engine.GetByte(255), 0xFF);
  EXPECT_EQ(engine.GetByte(256), 0);
  EXPECT_EQ(engine.GetByte(-1), 0);

  engine.SetText("abcdef");
  const struct { PositionRange range; const char* text; } ranges[] = {
      {{4, -1}, "ef"}, {{100, 200}, ""}, {{4, 2}, ""}, {{-5, 2}, "ab"}};
  for (const auto& r : ranges) EXPECT_EQ(engine.GetTextRange(r.range), r.text) << r.range.start;
  EXPECT_EQ(engine.GetTextRange({1, 6}, buffer, 3), 2);
  EXPECT_STREQ(buffer, "bc");
}

TEST(EngineText, TextLimitRefusesWholeInsertionsButNeverShrinking) {
  DocumentEngine engine;
  EXPECT_EQ(engine.GetTextLimit(), InitialTextLimit);
  engine.SetTextLimit(-7);
  EXPECT_EQ(engine.GetTextLimit(), ZeroTextLimit);
  engine.SetTextLimit(5);
  EXPECT_TRUE(engine.SetText("abcde"));  // exactly the limit
  EXPECT_FALSE(engine.SetText("abcdef"));
  engine.SetModified(false);
  engine.SetSelection(5, 5);
  EXPECT_FALSE(engine.ReplaceSelection("f"));
  EXPECT_FALSE(engine.GetModified());
  EXPECT_EQ(engine.GetSelection(), (PositionRange{5, 5}));
  engine.SetSelection(1, 3);
  EXPECT_TRUE(engine.ReplaceSelection("XY"));  // same length
  // A lower limit leaves the text; shortening edits still work.
  engine.SetTextLimit(2);
  engine.SetSelection(0, 1);
  EXPECT_TRUE(engine.ReplaceSelection(""));
  engine.SetSelection(0, 2);
  EXPECT_FALSE(engine.ReplaceSelection("123"));
  EXPECT_EQ(engine.GetText(), "XYde");
}

TEST(EngineText, SelectionRequestsFollowTheControlsConventions) {
  DocumentEngine engine = WithText("0123456789");
  const struct { Position anchor, caret; PositionRange selection; Position caretAfter; } requests[] = {
      {0, -1, {0, 10}, 10}, {7, 3, {3, 7}, 3},  {-1, 0, {3, 3}, 3},  // deselect: the caret stays
      {4, -1, {4, 10}, 10}, {50, 60, {10, 10}, 10}, {9, 10, {9, 10}, 10}};
  for (const auto& r : requests) {
    engine.SetSelection(r.anchor, r.caret);
    EXPECT_EQ(engine.GetSelection(), r.selection) << r.anchor << " " << r.caret;
    EXPECT_EQ(engine.GetCaret(), r.caretAfter) << r.anchor << " " << r.caret;
  }
  EXPECT_EQ(engine.GetSelectionType(), SelectionText);
  EXPECT_EQ(engine.GetSelectedText(), "9");
  engine.SetSelection(0, -1);
  EXPECT_EQ(engine.GetSelectionType(), SelectionText | SelectionMultiChar);
  engine.SetSelection(2, 2);
  EXPECT_EQ(engine.GetSelectionType(), SelectionEmpty);
}

TEST(EngineText, ModifiedFlagFollowsTextChangesOnly) {
  DocumentEngine engine = WithText("abc");
  EXPECT_TRUE(engine.GetModified());
  engine.SetModified(false);
  engine.SetSelection(1, 1);
  engine.ReplaceSelection("");  // nothing changes
  CharFormat red;
  red.colour = 0xFF;
  engine.SetRangeFormat({0, 2}, red, FormatColour);
  EXPECT_FALSE(engine.GetModified());
  engine.ReplaceSelection("x");
  EXPECT_TRUE(engine.GetModified());
  engine.SetModified(false);
  engine.Undo();
  EXPECT_TRUE(engine.GetModified());
}

// The model checks the text after each undo; here the selection it leaves, the
// limit, and the whole text swapped back with its lines.
TEST(EngineUndo, UndoSelectsTheStepRedoesAndRespectsTheLimit) {
  DocumentEngine engine = WithText("one two three");
  EXPECT_FALSE(engine.Undo());
  engine.SetSelection(4, 7);
  engine.ReplaceSelection("2");
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetSelection(), (PositionRange{4, 7}));
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "one 2 three");
  EXPECT_EQ(engine.GetSelection(), (PositionRange{4, 5}));
  engine.EmptyUndoBuffer();
  EXPECT_FALSE(engine.CanUndo());
  engine.SetSelection(0, 3);
  engine.ReplaceSelection("1", UndoAction::None);
  EXPECT_FALSE(engine.CanUndo());

  engine.SetText("abcdef");
  engine.SetSelection(0, 4);
  engine.ClearSelection();
  engine.SetTextLimit(3);
  EXPECT_FALSE(engine.Undo());
  EXPECT_TRUE(engine.CanUndo());
  engine.SetTextLimit(10);
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "abcdef");
}

TEST(EngineUndo, ReplacingTheWholeTextSwapsBackWithItsLines) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
  DocumentEngine engine = WithText(text);
  engine.SetSelection(0, -1);
  engine.ReplaceSelection("x\ry");
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), text);
  EXPECT_EQ(engine.GetLineCount(), 5001);
  EXPECT_EQ(engine.GetLineIndex(4999), static_cast<Position>(text.rfind("line 4999")));
  EXPECT_EQ(engine.GetSelection(), (PositionRange{0, engine.GetLength()}));
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetLineIndex(1), 2);
}
