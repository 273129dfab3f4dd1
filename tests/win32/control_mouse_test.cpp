// Clicks, Shift+clicks, double-clicks, drags and the selection bar.
#include "control_fixture.h"

namespace {

POINT Right(POINT point, int dx) { return {point.x + dx, point.y + 2}; }

TEST_F(ControlTest, ClickPlacesTheCaretAndShiftClickExtends) {
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
  // Far right of a line is its end, never the line break.
  Click({380, PointOf(0).y + 2});
  EXPECT_EQ(Selection().cpMin, 10);
}

TEST_F(ControlTest, DoubleClickSelectsAWordAndDragExtendsByWords) {
  SetText("alpha beta gamma delta");
  POINT beta = Right(PointOf(7), 1);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(beta.x, beta.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(beta.x, beta.y));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(beta.x, beta.y));
  EXPECT_EQ(Selected(), std::pair(6, 11));  // the word and its blank
  POINT gamma = Right(PointOf(13), 0);
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(gamma.x, gamma.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(gamma.x, gamma.y));
  EXPECT_EQ(Selected(), std::pair(6, 17));
}

TEST_F(ControlTest, SelectionBarClickSelectsTheRowAndDragTakesMoreRows) {
  SetText("one\r\ntwo\r\nthree");
  POINT bar{2, PointOf(5).y + 2};
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
  EXPECT_EQ(Selected(), std::pair(5, 10));  // the row with its line break
  POINT below{2, PointOf(10).y + 2};
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
  EXPECT_EQ(Selected(), std::pair(5, 15));
}

TEST_F(ControlTest, DraggingBelowTheViewScrollsItWhileTheButtonIsDown) {
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
