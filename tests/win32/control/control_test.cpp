// The document control on its own, driven as the system and the program
// drive it: text and stream messages, keys and the mouse, and the view. The
// selection, line and undo messages are what the editor and the soak
// (editor_input_test.cpp) use all the time; their arithmetic is the engine's,
// tested natively, as is where word wrap breaks rows.
#include "control_fixture.h"

namespace {

DWORD CALLBACK Collect(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(size));
  *done = size;
  return 0;
}

DWORD CALLBACK Fail(DWORD_PTR, LPBYTE, LONG, LONG* done) {
  *done = 0;
  return 42;
}

TEST_F(ControlTest, TextMessagesKeepZeroBytesAndStreamsTakeTheSelection) {
  SetText(std::string("\0\x01\x02\r\nend", 8));
  EXPECT_EQ(Text(), std::string("\0\x01\x02\r\nend", 8));
  EXPECT_TRUE(Send(WM_SETTEXT, 0, 0));
  EXPECT_EQ(Text(), "");

  SetText("one two three");
  Select(4, 7);
  std::string out;
  EDITSTREAM outStream{reinterpret_cast<DWORD_PTR>(&out), 0, Collect};
  EXPECT_EQ(Send(EM_STREAMOUT, SF_TEXT | SFF_SELECTION, reinterpret_cast<LPARAM>(&outStream)), 3);
  EXPECT_EQ(out, "two");
  char buffer[16] = {};
  EXPECT_EQ(Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_STREQ(buffer, "two");
  EXPECT_EQ(StreamIn("2\r\n2", SF_TEXT | SFF_SELECTION), 0u);
  EXPECT_EQ(Text(), "one 2\r\n2 three");
  EXPECT_EQ(Selected(), std::pair(8, 8));
  EDITSTREAM failing{0, 0, Fail};  // a failing callback leaves the text and reports its error
  Send(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&failing));
  EXPECT_EQ(failing.dwError, 42u);
  EXPECT_EQ(Text(), "one 2\r\n2 three");
}

// Typing, deleting, overwrite and the caret keys in the editor are the soak's
// part; here the control's own undo and a read-only control.
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

// Clicks in the text, with Shift or beyond a line's end, are the soak's; here the selection bar.
TEST_F(ControlTest, SelectionBarTakesRowsWithTheirBreaksAndADragBelowTheViewScrolls) {
  SetText("one\r\ntwo\r\nthree");
  POINT bar{2, PointOf(5).y + 2}, below{2, PointOf(10).y + 2};
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
  EXPECT_EQ(Selected(), std::pair(5, 10));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
  EXPECT_EQ(Selected(), std::pair(5, 15));

  SetText(Lines(100));
  POINT start{PointOf(2).x, PointOf(2).y + 2};
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

TEST_F(ControlTest, PagesAndTheCaretKeepInViewAndStopAtTheLastLine) {
  SetText(Lines(200) + "last");
  Key(VK_NEXT);
  LONG page = FirstVisible();
  EXPECT_GT(page, 5);
  EXPECT_EQ(CaretLine(), page);
  for (int i = 0; i < 40; ++i) Key(VK_NEXT);
  EXPECT_EQ(CaretLine(), 200);
  LONG bottom = FirstVisible();
  Key(VK_NEXT);
  Send(EM_LINESCROLL, 0, 50);
  EXPECT_EQ(CaretLine(), 200);
  EXPECT_EQ(FirstVisible(), bottom);  // nothing below the last line to scroll to
  Key(VK_PRIOR, true);
  EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, Selection().cpMin), 200 - page);
  EXPECT_EQ(Selection().cpMax, Send(EM_LINEINDEX, 200));
  Select(10, 10);
  EXPECT_EQ(FirstVisible(), 1);  // a caret above the view comes to its top
}

TEST_F(ControlTest, WithoutWrapALongLineTakesOneRowAndScrollsSidewaysToTheCaret) {
  Create(EditorStyle | WS_HSCROLL | ES_AUTOHSCROLL);  // word wrap off
  const auto line = static_cast<LONG>(Lines(100).size());
  SetText(Lines(100) + std::string(2000, 'x'));
  Key(VK_END, false, true);
  UpdateWindow(control);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(control, SB_VERT, &info);
  EXPECT_EQ(info.nMax, 100);  // one row for the long line
  EXPECT_EQ(info.nPos + static_cast<int>(info.nPage), 101);  // at the bottom
  RECT client;
  GetClientRect(control, &client);
  EXPECT_GT(PointOf(line + 2000).x, 0);
  EXPECT_LT(PointOf(line + 2000).x, client.right);  // scrolled sideways to the caret
  Key(VK_HOME);
  EXPECT_EQ(PointOf(line).x, PointOf(static_cast<LONG>(Send(EM_LINEINDEX, 99))).x);
}

}  // namespace
