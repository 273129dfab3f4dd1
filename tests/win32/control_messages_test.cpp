// The document control answered by messages: text, selection, streams and the
// modified flag. Caret moves and edits by keys are the soak's part.
#include <cstring>

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

TEST_F(ControlTest, TextMessagesCutCopiesToTheBufferAndStreamsTakeTheSelection) {
  SetText(std::string("\0\x01\x02\r\nend", 8));
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 8);
  char small[5] = {'x', 'x', 'x', 'x', 'x'};  // WM_GETTEXT copies n - 1 bytes and a zero
  EXPECT_EQ(Send(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_EQ(std::memcmp(small, "\0\x01\x02\0x", 5), 0);
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

// One request of each kind: the arithmetic behind them is the engine's.
TEST_F(ControlTest, SelectionLineRangeAndUndoMessagesReachTheEngine) {
  SetText("first\r\nsecond\rthird\nfourth");
  Send(EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection().cpMax, 26);
  EXPECT_EQ(Send(EM_SELECTIONTYPE), SEL_TEXT | SEL_MULTICHAR);
  Select(13, 7);  // caret before the anchor
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(std::pair(start, end), std::pair(7ul, 13ul));
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("2nd"));
  EXPECT_EQ(Text(), "first\r\n2nd\rthird\nfourth");
  EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, 11), 2);
  EXPECT_EQ(Send(EM_LINEINDEX, 3), 17);
  EXPECT_EQ(Send(EM_LINEINDEX, 4), -1);
  EXPECT_EQ(Send(EM_LINELENGTH, 0), 5);
  char buffer[8] = {};
  TEXTRANGEA range{{1, 4}, buffer};
  EXPECT_EQ(Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)), 3);
  EXPECT_STREQ(buffer, "irs");
  Select(0, 6);
  Send(WM_CLEAR);
  EXPECT_EQ(Text(), "\n2nd\rthird\nfourth");
  EXPECT_TRUE(Send(EM_CANUNDO));
  Send(EM_UNDO);
  EXPECT_EQ(Text(), "first\r\n2nd\rthird\nfourth");
}

}  // namespace
