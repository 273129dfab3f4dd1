// Keys and the mouse as the system sends them to the control.
#include "control_fixture.h"

namespace {

// Typing, deleting, overwrite and the caret keys in the editor are the soak's
// part (editor_soak_test.cpp); here the control's own undo and a read-only control.
TEST_F(ControlTest, ATypedRunUndoesAtOnceAndAReadOnlyControlTakesNoKeys) {
  SetText("hello world");
  Select(6, 11);
  Type("\xE7\xE5\xEC\t\x01\x1B");  // Ctrl chords and Escape type nothing
  EXPECT_EQ(Text(), "hello \xE7\xE5\xEC\t");
  Send(EM_UNDO);  // the typed run undoes at once and brings the replaced word back
  EXPECT_EQ(Text(), "hello world");

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

// A plain and a Shift+click are the soak's; here the far right of a line, and words.
TEST_F(ControlTest, AClickEndsALineBeforeItsBreakAndDoubleClickTakesWords) {
  SetText("first line\r\nsecond line\r\nthird");
  Click({380, PointOf(0).y + 2});
  EXPECT_EQ(Selected(), std::pair(10, 10));

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
