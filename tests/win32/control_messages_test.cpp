// The document control answered by messages: text, selection, streams, flag.
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

TEST_F(ControlTest, TextMessagesCutCopiesToTheBufferAndTakeANullText) {
  SetText(std::string("\0\x01\x02\r\nend", 8));
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 8);
  // WM_GETTEXT copies n - 1 bytes and a zero.
  char small[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(Send(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_EQ(std::memcmp(small, "\0\x01\x02\0x", 5), 0);

  EXPECT_TRUE(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("\xE0\xE1\xE2")));
  EXPECT_EQ(Text(), "\xE0\xE1\xE2");
  EXPECT_TRUE(Send(WM_SETTEXT, 0, 0));
  EXPECT_EQ(Text(), "");
}

TEST_F(ControlTest, SelectionStreamsReplaceAndReadOnlyTheSelection) {
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
  EXPECT_EQ(start, 7u);
  EXPECT_EQ(end, 13u);

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

TEST_F(ControlTest, ViewCodePageFormatAndTitleAtCreationAreNoChange) {
  EXPECT_EQ(Send(EM_GETVIEWCODEPAGE), Ansi);
  EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Koi8), Ansi);
  EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Iso), Koi8);
  EXPECT_EQ(Send(EM_GETVIEWCODEPAGE), Koi8);
  EXPECT_FALSE(Send(EM_GETMODIFY));
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
  EXPECT_TRUE(Send(EM_GETMODIFY));
  Send(EM_SETMODIFY, FALSE);
  CHARFORMATA bold{};
  bold.cbSize = sizeof bold;
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&bold));
  Send(EM_SETVIEWCODEPAGE, Oem);
  EXPECT_FALSE(Send(EM_GETMODIFY));
  Send(EM_SETMODIFY, TRUE);
  EXPECT_TRUE(Send(EM_GETMODIFY));
  // The title given at creation is the first text and no change either.
  HWND titled = CreateWindowExA(0, documentControlClassName, "from a template", EditorStyle, 0, 0, 100, 100, parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  char text[32] = {};
  EXPECT_EQ(SendMessageA(titled, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 15);
  EXPECT_STREQ(text, "from a template");
  EXPECT_FALSE(SendMessageA(titled, EM_GETMODIFY, 0, 0));
}

}  // namespace
