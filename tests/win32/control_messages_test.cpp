// The document control's text and stream messages. The selection, line and
// undo messages are what the editor and the soak (editor_soak_test.cpp) use
// all the time; their arithmetic is the engine's, tested natively.
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

}  // namespace
