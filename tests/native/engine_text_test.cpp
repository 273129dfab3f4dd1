// Text, limit, selection, reading, editing, modified flag and undo.
#include <gtest/gtest.h>

#include <string>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

using namespace std::string_literals;

TEST(EngineText, EveryByteValueIsKeptAndCopiesAreCutToTheBuffer) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  DocumentEngine engine = WithText(all);
  EXPECT_EQ(engine.GetLength(), 256);
  EXPECT_EQ(engine.GetText(), all);

  char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(engine.GetText(buffer, 5), 4);  // n - 1 bytes and a zero
  EXPECT_EQ(std::string(buffer, 5), "\0\x01\x02\x03\0"s);
  EXPECT_EQ(buffer[5], 'x');
  EXPECT_EQ(engine.GetText(buffer, 1), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(engine.GetText(buffer, 0), 0);
  EXPECT_EQ(engine.GetByte(255), 0xFF);
  EXPECT_EQ(engine.GetByte(256), 0);
  EXPECT_EQ(engine.GetByte(-1), 0);
}

TEST(EngineText, RangesClampToTheTextAndInvertedRangesAreEmpty) {
  DocumentEngine engine = WithText("abcdef");
  EXPECT_EQ(engine.GetTextRange({4, -1}), "ef");
  EXPECT_EQ(engine.GetTextRange({100, 200}), "");
  EXPECT_EQ(engine.GetTextRange({4, 2}), "");
  EXPECT_EQ(engine.GetTextRange({-5, 2}), "ab");
  char buffer[3];
  EXPECT_EQ(engine.GetTextRange({1, 6}, buffer, sizeof buffer), 2);
  EXPECT_STREQ(buffer, "bc");
}

TEST(EngineText, TextLimitRefusesWholeInsertionsButNeverShrinking) {
  DocumentEngine engine;
  EXPECT_EQ(engine.GetTextLimit(), InitialTextLimit);
  engine.SetTextLimit(0);
  EXPECT_EQ(engine.GetTextLimit(), ZeroTextLimit);
  engine.SetTextLimit(-7);
  EXPECT_EQ(engine.GetTextLimit(), ZeroTextLimit);

  engine.SetTextLimit(5);
  EXPECT_TRUE(engine.SetText("abcde"));  // exactly the limit
  EXPECT_FALSE(engine.SetText("abcdef"));
  EXPECT_EQ(engine.GetText(), "abcde");
  engine.SetModified(false);
  engine.SetSelection(5, 5);
  EXPECT_FALSE(engine.ReplaceSelection("f"));
  EXPECT_EQ(engine.GetText(), "abcde");
  EXPECT_FALSE(engine.GetModified());
  EXPECT_EQ(engine.GetSelection(), (PositionRange{5, 5}));
  engine.SetSelection(1, 3);
  EXPECT_TRUE(engine.ReplaceSelection("XY"));  // same length
  EXPECT_EQ(engine.GetText(), "aXYde");

  // A lower limit leaves the text; shortening edits still work.
  engine.SetTextLimit(2);
  engine.SetSelection(0, 1);
  EXPECT_TRUE(engine.ReplaceSelection(""));
  EXPECT_EQ(engine.GetText(), "XYde");
  engine.SetSelection(0, 2);
  EXPECT_FALSE(engine.ReplaceSelection("123"));
}

TEST(EngineText, SelectionRequestsFollowTheControlsConventions) {
  DocumentEngine engine = WithText("0123456789");
  engine.SetSelection(0, -1);
  EXPECT_EQ(engine.GetSelection(), (PositionRange{0, 10}));
  EXPECT_EQ(engine.GetSelectionType(), SelectionText | SelectionMultiChar);

  engine.SetSelection(7, 3);  // caret before the anchor
  EXPECT_EQ(engine.GetSelection(), (PositionRange{3, 7}));
  EXPECT_EQ(engine.GetCaret(), 3);
  engine.SetSelection(-1, 0);  // deselect, caret stays
  EXPECT_EQ(engine.GetSelection(), (PositionRange{3, 3}));
  EXPECT_EQ(engine.GetSelectionType(), SelectionEmpty);

  engine.SetSelection(4, -1);
  EXPECT_EQ(engine.GetSelection(), (PositionRange{4, 10}));
  engine.SetSelection(50, 60);
  EXPECT_EQ(engine.GetSelection(), (PositionRange{10, 10}));
  engine.SetSelection(9, 10);
  EXPECT_EQ(engine.GetSelectionType(), SelectionText);
  EXPECT_EQ(engine.GetSelectedText(), "9");
}

TEST(EngineText, ModifiedFlagFollowsTextChangesOnly) {
  DocumentEngine engine = WithText("abc");
  EXPECT_TRUE(engine.GetModified());
  engine.SetModified(false);
  engine.SetSelection(1, 1);
  engine.ReplaceSelection("");  // nothing changes
  EXPECT_FALSE(engine.GetModified());
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

TEST(EngineUndo, OneStepThatUndoSelectsAndASecondUndoRedoes) {
  DocumentEngine engine = WithText("one two three");
  EXPECT_FALSE(engine.Undo());
  engine.SetSelection(4, 7);
  engine.ReplaceSelection("2");
  EXPECT_TRUE(engine.CanUndo());
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "one two three");
  EXPECT_EQ(engine.GetSelection(), (PositionRange{4, 7}));
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "one 2 three");
  EXPECT_EQ(engine.GetSelection(), (PositionRange{4, 5}));

  engine.EmptyUndoBuffer();
  EXPECT_FALSE(engine.CanUndo());
  engine.SetSelection(0, 3);
  engine.ReplaceSelection("1", UndoAction::None);
  EXPECT_FALSE(engine.CanUndo());
}

TEST(EngineUndo, UndoThatWouldPassTheLimitIsRefusedAndKept) {
  DocumentEngine engine = WithText("abcdef");
  engine.SetSelection(0, 4);
  engine.ClearSelection();
  engine.SetTextLimit(3);
  EXPECT_FALSE(engine.Undo());
  EXPECT_TRUE(engine.CanUndo());
  EXPECT_EQ(engine.GetText(), "ef");
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
  EXPECT_EQ(engine.GetLineCount(), 2);
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), text);
  EXPECT_EQ(engine.GetLineCount(), 5001);
  EXPECT_EQ(engine.GetLineIndex(4999), static_cast<Position>(text.rfind("line 4999")));
  EXPECT_EQ(engine.GetSelection(), (PositionRange{0, engine.GetLength()}));
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "x\ry");
  EXPECT_EQ(engine.GetLineIndex(1), 2);
}
