// The view: word wrap, scrolling by rows and pages, the caret kept in sight,
// and no wrap with horizontal scrolling.
#include "control_fixture.h"

namespace {

TEST_F(ControlTest, WrappedRowsCountAsScreenLinesButNotAsTextLines) {
  std::string paragraph;
  for (int i = 0; i < 60; ++i) paragraph += "word ";
  SetText(paragraph + "\r\n" + Lines(100));
  EXPECT_EQ(Send(EM_GETLINECOUNT), 102);
  EXPECT_EQ(Send(EM_LINEINDEX, 1), 302);  // text lines, whatever the wrap
  EXPECT_GT(PointOf(250).y, PointOf(0).y);  // the paragraph wraps
  auto topTextLine = [&] {
    POINTL corner{30, 3};
    return Send(EM_EXLINEFROMCHAR, 0, Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&corner)));
  };
  EXPECT_EQ(FirstVisible(), 0);
  int rows = 0;
  while (topTextLine() == 0 && rows < 100) {
    Send(EM_LINESCROLL, 0, 1);
    ++rows;
  }
  EXPECT_GE(rows, 3);               // the paragraph took several rows
  EXPECT_EQ(FirstVisible(), rows);  // and each of them is a screen line
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

TEST_F(ControlTest, WithoutWrapALongLineScrollsSidewaysAndScrollBarsComeAndGo) {
  Create(EditorStyle | NoWrapStyle);
  const auto line = static_cast<LONG>(Lines(100).size());
  SetText(Lines(100) + std::string(2000, 'x'));
  Key(VK_END, false, true);
  UpdateWindow(control);
  EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_HSCROLL);
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
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gone"));
  EXPECT_FALSE(GetWindowLongA(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

}  // namespace
