// The UTF-8 view of the document control: the same bytes as the other views,
// with the caret, the keys, the mouse and the program's selections going by
// whole characters; a byte that starts no character is one of its own.
#include <vector>

#include "control_fixture.h"

namespace {

// a, Zhe, a CJK ideograph, a character beyond U+FFFF, a stray continuation
// byte, b, CR LF, end: characters start at 0 1 3 6 10 11 12 14.
const std::string mixed = "a\xD0\x96\xE4\xB8\xAD\xF0\x9F\x98\x80\x80" "b\r\nend";

class Utf8ViewTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    SetText(mixed);
    EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Utf8), Ansi);
    EXPECT_EQ(Send(EM_GETVIEWCODEPAGE), Utf8);
  }
  std::vector<LONG> Walk(WPARAM key, int steps, bool ctrl = false) {
    std::vector<LONG> stops;
    for (int i = 0; i < steps; ++i) {
      Key(key, false, ctrl);
      stops.push_back(Selection().cpMax);
    }
    return stops;
  }
};

TEST_F(Utf8ViewTest, ArrowsHomeEndAndDeletionGoByCharacters) {
  Select(0, 0);
  EXPECT_EQ(Walk(VK_RIGHT, 8), (std::vector<LONG>{1, 3, 6, 10, 11, 12, 14, 15}));
  Select(14, 14);
  EXPECT_EQ(Walk(VK_LEFT, 7), (std::vector<LONG>{12, 11, 10, 6, 3, 1, 0}));
  Select(4, 4);  // the program may select inside the ideograph; the next key goes on from its start
  EXPECT_EQ(Selected(), std::pair(4, 4));
  Key(VK_RIGHT);
  EXPECT_EQ(Selected(), std::pair(6, 6));
  Key(VK_END);
  EXPECT_EQ(Selection().cpMax, 12);
  Key(VK_HOME, true);
  EXPECT_EQ(Selected(), std::pair(0, 12));
  Key(VK_RIGHT, false, true);  // letters of three scripts are one word
  EXPECT_EQ(Selection().cpMax, 6);

  Select(10, 10);
  Key(VK_BACK);  // the whole character beyond U+FFFF
  EXPECT_EQ(Text(), "a\xD0\x96\xE4\xB8\xAD\x80" "b\r\nend");
  Key(VK_DELETE);  // the stray byte alone
  Key(VK_LEFT);
  Key(VK_DELETE);
  EXPECT_EQ(Text(), "a\xD0\x96" "b\r\nend");

  SetText("\xD0-\x96");  // two broken bytes, which deleting the dash joins into one character
  Select(1, 1);
  Key(VK_DELETE);
  EXPECT_EQ(Selected(), std::pair(0, 0));
  Send(EM_UNDO);
  EXPECT_EQ(Text(), "\xD0-\x96");
  EXPECT_EQ(Selected(), std::pair(1, 2));
}

TEST_F(Utf8ViewTest, SwitchingTheViewKeepsEveryByteAndTheCaretOnACharacter) {
  Send(EM_SETVIEWCODEPAGE, Ansi);
  Select(0, 0);
  EXPECT_EQ(Walk(VK_RIGHT, 3), (std::vector<LONG>{1, 2, 3}));  // a byte a step, as before
  Select(2, 8);
  Send(EM_SETVIEWCODEPAGE, Utf8);
  EXPECT_EQ(Selected(), std::pair(1, 6));
  EXPECT_EQ(Text(), mixed);
  for (CodePage page : {Oem, Koi8, Utf8, Ansi}) Send(EM_SETVIEWCODEPAGE, page);
  EXPECT_EQ(Text(), mixed);
  EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Iso), Ansi);  // not a view code page: refused
  EXPECT_EQ(Send(EM_GETVIEWCODEPAGE), Ansi);
}

TEST_F(Utf8ViewTest, TypedCharactersGoInAsUtf8) {
  Select(0, 0);
  Send(WM_CHAR, 0xE6, 1);  // Windows-1251 zhe, as an ANSI window gets it
  EXPECT_EQ(Send(WM_UNICHAR, UNICODE_NOCHAR), TRUE);
  Send(WM_UNICHAR, 0x1F600, 1);
  EXPECT_EQ(Text(), "\xD0\xB6\xF0\x9F\x98\x80" + mixed);
  Send(EM_SETVIEWCODEPAGE, Ansi);
  EXPECT_EQ(Send(WM_UNICHAR, UNICODE_NOCHAR), FALSE);  // the system's WM_CHAR, as before
  Send(WM_CHAR, 0xE6, 1);
  EXPECT_EQ(Text().substr(0, 7), "\xD0\xB6\xF0\x9F\x98\x80\xE6");
}

TEST_F(Utf8ViewTest, TheMouseLandsBetweenCharacters) {
  int left = PointOf(3).x, right = PointOf(6).x, y = PointOf(3).y + 2;
  ASSERT_GT(right - left, 3);
  for (int x = left; x < right; ++x) {
    Click({x, y});
    LONG caret = Selection().cpMax;
    EXPECT_TRUE(caret == 3 || caret == 6) << x << " gave " << caret;
  }
  SetText("\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE \xD0\xB4\xD0\xBE\xD0\xBC");  // two Russian words
  POINT middle{(PointOf(4).x + PointOf(6).x) / 2, PointOf(4).y + 2};
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
  EXPECT_EQ(Selected(), std::pair(0, 11));  // the word and its blank
}

TEST_F(Utf8ViewTest, PrintedPagesBeginAndEndOnCharacters) {
  std::string text;
  // No blanks: rows are cut between characters, which start at 0 3 5 of every 6 bytes.
  for (int i = 0; i < 200; ++i) text += "\xE4\xB8\xAD\xD0\x96\x80";
  SetText(text);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const int side = GetDeviceCaps(dc, LOGPIXELSX);  // the inch printed on
  HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, side, side));
  const RECT inch{0, 0, 1440, 1440};
  std::vector<COLORREF> first, second;
  auto page = [&](LONG start, std::vector<COLORREF>& picture) {
    FORMATRANGE range{dc, dc, inch, inch, {start, -1}};
    LRESULT end = Send(EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) picture.push_back(GetPixel(dc, x, y));
    return end;
  };
  LRESULT end = page(0, first);
  EXPECT_GT(end, 6);
  EXPECT_LT(end, static_cast<LRESULT>(text.size()));
  EXPECT_TRUE(end % 6 == 0 || end % 6 == 3 || end % 6 == 5) << end;
  EXPECT_EQ(page(1, second), end);  // from inside the first character: the same page, drawn the same
  EXPECT_TRUE(first == second);
  Send(EM_FORMATRANGE, FALSE, 0);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
