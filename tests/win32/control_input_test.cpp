// Keys and the mouse as the system sends them to the control.
#include "control_fixture.h"

namespace {

// Each key after the one before, with the selection it leaves.
TEST_F(ControlTest, ArrowsHomeEndUpAndDownMoveExtendAndCollapseTheSelection) {
  SetText("alpha beta\r\nga\r\ngamma delta");
  Select(2, 2);
  const struct { WPARAM key; bool shift, ctrl; int start, end; } steps[] = {
      {VK_RIGHT, true, false, 2, 3},   {VK_RIGHT, true, false, 2, 4},  {VK_LEFT, true, false, 2, 3},
      {VK_LEFT, true, false, 2, 2},    {VK_LEFT, true, false, 1, 2},   // past the anchor: turns round
      {VK_RIGHT, false, false, 2, 2},  // collapses to the right end
      {VK_END, true, false, 2, 10},    {VK_RIGHT, false, false, 10, 10}, {VK_RIGHT, false, false, 12, 12},  // CR LF is one step
      {VK_LEFT, false, false, 10, 10}, {VK_END, true, true, 10, 27},   {VK_HOME, false, true, 0, 0},
      // Ctrl moves to the engine's word stops; a plain Ctrl+arrow leaves from the caret.
      {VK_RIGHT, false, true, 6, 6},   {VK_RIGHT, true, true, 6, 10},  {VK_LEFT, false, true, 6, 6},
      // Up and Down keep the column across a short line; on the first row Up only drops the selection.
      {VK_DOWN, false, false, 14, 14}, {VK_DOWN, false, false, 22, 22}, {VK_UP, true, false, 14, 22},
      {VK_UP, true, false, 6, 22},     {VK_UP, false, false, 6, 6},
  };
  for (const auto& step : steps) {
    Key(step.key, step.shift, step.ctrl);
    EXPECT_EQ(Selected(), std::pair(step.start, step.end)) << "key " << step.key << " to " << step.end;
  }
}

TEST_F(ControlTest, TypingDeletingAndOverwriteEditAsOneUndoableRunAndNeverInAReadOnlyControl) {
  SetText("hello world");
  Select(6, 11);
  Type("\xE7\xE5\xEC\t\x01\x1B");  // Ctrl chords and Escape type nothing
  EXPECT_EQ(Text(), "hello \xE7\xE5\xEC\t");
  Send(EM_UNDO);  // the typed run undoes at once and brings the replaced word back
  EXPECT_EQ(Text(), "hello world");

  SetText("ab\r\ncd");
  Select(4, 4);
  Key(VK_BACK);  // a line break goes whole
  EXPECT_EQ(Text(), "abcd");
  Key(VK_END);
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "abcd");

  SetText("abc\r\ndef");
  Select(1, 1);
  Key(VK_INSERT);
  Type("XYZW");  // overwrite replaces inside the line, never its break
  EXPECT_EQ(Text(), "aXYZW\r\ndef");
  Key(VK_INSERT, false, true);  // Ctrl+Insert copies; it does not switch the mode
  Select(0, 0);
  Type("!");
  Key(VK_INSERT);
  Type("i");
  EXPECT_EQ(Text(), "!iXYZW\r\ndef");

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

POINT Right(POINT point, int dx) { return {point.x + dx, point.y + 2}; }

TEST_F(ControlTest, ClickPlacesTheCaretShiftClickExtendsAndDoubleClickTakesWords) {
  SetText("first line\r\nsecond line\r\nthird");
  Click(Right(PointOf(15), 1));
  EXPECT_EQ(Selected(), std::pair(15, 15));
  EXPECT_EQ(GetFocus(), control);  // a click takes the focus, and the caret shows where it went
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, PointOf(15).x);
  EXPECT_EQ(caret.y, PointOf(15).y);
  Click(Right(PointOf(27), 1), MK_SHIFT);
  EXPECT_EQ(Selected(), std::pair(15, 27));
  Click(Right(PointOf(3), 1), MK_SHIFT);  // the anchor stays where the plain click put it
  EXPECT_EQ(Selected(), std::pair(3, 15));
  Click({380, PointOf(0).y + 2});  // far right of a line is its end, never the line break
  EXPECT_EQ(Selection().cpMin, 10);

  SetText("alpha beta gamma delta");
  POINT beta = Right(PointOf(7), 1), gamma = Right(PointOf(13), 0);
  Click(beta);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(beta.x, beta.y));
  EXPECT_EQ(Selected(), std::pair(6, 11));  // the word and its blank
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(gamma.x, gamma.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(gamma.x, gamma.y));
  EXPECT_EQ(Selected(), std::pair(6, 17));  // a drag goes on by words
}

TEST_F(ControlTest, SelectionBarTakesRowsWithTheirBreaksAndADragBelowTheViewScrolls) {
  SetText("one\r\ntwo\r\nthree");
  POINT bar{2, PointOf(5).y + 2}, below{2, PointOf(10).y + 2};
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
  EXPECT_EQ(Selected(), std::pair(5, 10));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
  EXPECT_EQ(Selected(), std::pair(5, 15));

  std::string text;
  for (int i = 0; i < 100; ++i) text += "row " + std::to_string(i) + "\r\n";
  SetText(text);
  POINT start = Right(PointOf(2), 0);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
  RECT client;
  GetClientRect(control, &client);
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x, client.bottom + 40));
  LONG first = FirstVisible();
  for (int i = 0; i < 5; ++i) Send(WM_TIMER, 1);  // the auto-scroll timer's ticks
  EXPECT_GT(FirstVisible(), first);
  EXPECT_GE(CaretLine(), FirstVisible() + 10);  // the selection follows the view down
  EXPECT_EQ(Selection().cpMin, 2);
  LONG reached = Selection().cpMax;
  Send(WM_LBUTTONUP, 0, MAKELPARAM(start.x, client.bottom + 40));
  Send(WM_TIMER, 1);  // a late tick after the release does nothing
  EXPECT_EQ(Selection().cpMax, reached);
}

}  // namespace
