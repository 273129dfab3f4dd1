// Keys users press every day, sent to the control as the system sends them.
#include "control_fixture.h"

namespace {

// Each key after the one before, with the selection it leaves.
TEST_F(ControlTest, ArrowsHomeAndEndMoveExtendAndCollapseTheSelection) {
  SetText("alpha beta\r\ngamma");
  Select(2, 2);
  const struct { WPARAM key; bool shift, ctrl; LONG start, end; } steps[] = {
      {VK_RIGHT, true, false, 2, 3},   {VK_RIGHT, true, false, 2, 4},  {VK_LEFT, true, false, 2, 3},
      {VK_LEFT, true, false, 2, 2},    {VK_LEFT, true, false, 1, 2},   // past the anchor: turns round
      {VK_RIGHT, false, false, 2, 2},  // collapses to the right end
      {VK_END, true, false, 2, 10},    {VK_RIGHT, false, false, 10, 10}, {VK_RIGHT, false, false, 12, 12},  // CR LF is one step
      {VK_LEFT, false, false, 10, 10}, {VK_END, true, true, 10, 17},   {VK_HOME, false, true, 0, 0},
      // Ctrl moves to the engine's word stops; a plain Ctrl+arrow leaves from the caret.
      {VK_RIGHT, false, true, 6, 6},   {VK_RIGHT, true, true, 6, 10},  {VK_LEFT, false, true, 6, 6},
  };
  for (const auto& step : steps) {
    Key(step.key, step.shift, step.ctrl);
    EXPECT_EQ(Selection().cpMin, step.start) << step.key;
    EXPECT_EQ(Selection().cpMax, step.end) << step.key;
  }
}

TEST_F(ControlTest, TypingReplacesTheSelectionAsOneUndoableRun) {
  SetText("hello world");
  Select(6, 11);
  Type("\xE7\xE5\xEC\t\x01\x1B");  // Ctrl chords and Escape type nothing
  EXPECT_EQ(Text(), "hello \xE7\xE5\xEC\t");
  Send(EM_UNDO);  // the typed run undoes at once and brings the replaced word back
  EXPECT_EQ(Text(), "hello world");
}

TEST_F(ControlTest, BackspaceTakesALineBreakWholeAndDeleteAtTheEndDoesNothing) {
  SetText("ab\r\ncd");
  Select(4, 4);
  Key(VK_BACK);
  EXPECT_EQ(Text(), "abcd");
  Key(VK_END);
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "abcd");
  EXPECT_EQ(Selection().cpMin, 4);
}

TEST_F(ControlTest, OverwriteReplacesInsideALineButNotItsBreak) {
  SetText("abc\r\ndef");
  Select(1, 1);
  Key(VK_INSERT);
  Type("XYZW");
  EXPECT_EQ(Text(), "aXYZW\r\ndef");
  Key(VK_INSERT);
  Type("i");
  EXPECT_EQ(Text(), "aXYZWi\r\ndef");
  Key(VK_INSERT, false, true);  // Ctrl+Insert copies; it does not switch the mode
  Select(0, 0);
  Type("!");
  EXPECT_EQ(Text(), "!aXYZWi\r\ndef");
}

TEST_F(ControlTest, UpAndDownKeepTheColumnAcrossShortLines) {
  SetText("abcdefgh\r\nab\r\nabcdefgh");
  Select(6, 6);
  Key(VK_DOWN);
  EXPECT_EQ(Selection().cpMin, 12);  // end of the short line
  Key(VK_DOWN);
  EXPECT_EQ(Selection().cpMin, 20);  // back in column 6
  Key(VK_UP, true);
  Key(VK_UP, true);
  EXPECT_EQ(Selected(), std::pair(6, 20));
  Key(VK_UP);  // on the first row Up only drops the selection
  EXPECT_EQ(Selected(), std::pair(6, 6));
}

TEST_F(ControlTest, PageDownAtTheEndStopsOnTheLastLine) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  text += "last";
  SetText(text);
  Key(VK_NEXT);
  LONG firstPage = FirstVisible();
  EXPECT_GT(firstPage, 5);
  EXPECT_EQ(CaretLine(), firstPage);
  for (int i = 0; i < 40; ++i) Key(VK_NEXT);
  EXPECT_EQ(CaretLine(), 200);
  LONG bottom = FirstVisible();
  Key(VK_NEXT);
  EXPECT_EQ(CaretLine(), 200);
  EXPECT_EQ(FirstVisible(), bottom);  // no scrolling past the end
  POINT last = PointOf(Selection().cpMax);
  RECT client;
  GetClientRect(control, &client);
  EXPECT_GT(last.y, client.bottom / 2);  // the last line sits at the bottom of the view
  Key(VK_PRIOR, true);
  EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, Selection().cpMin), 200 - firstPage);
  EXPECT_EQ(Selection().cpMax, Send(EM_LINEINDEX, 200));
}

TEST_F(ControlTest, ReadOnlyControlMovesButDoesNotChange) {
  Create(EditorStyle | ES_READONLY);
  SetText("fixed");
  Type("x");
  Key(VK_DELETE);
  Key(VK_BACK);
  Key(VK_END, true);
  EXPECT_EQ(Text(), "fixed");
  EXPECT_EQ(Selection().cpMax, 5);
  Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("!"));  // the program still may
  EXPECT_EQ(Text(), "!");
}

}  // namespace
