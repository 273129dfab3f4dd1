// What the control draws: its picture (WM_PRINTCLIENT) compared with the
// right Unicode text drawn by ExtTextOutW in the control's own font.
#include <functional>
#include <vector>

#include "control_fixture.h"

namespace {

// A 32-bit picture of width x height pixels, 0x00RRGGBB each, in the window colour.
class Picture {
 public:
  explicit Picture(RECT size) : width_(size.right) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.right, -size.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    SetBkColor(dc_, GetSysColor(COLOR_WINDOW));
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &size, nullptr, 0, nullptr);
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  DWORD At(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }
  int Count(const RECT& box, const std::function<bool(int x, int y)>& counted) const {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) count += counted(x, y);
    return count;
  }
  int Differences(const Picture& other, const RECT& box) const {
    return Count(box, [&](int x, int y) { return At(x, y) != other.At(x, y); });
  }
  int CountColour(const RECT& box, COLORREF colour) const {
    DWORD rgb = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    return Count(box, [&](int x, int y) { return At(x, y) == rgb; });
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
};

class RenderTest : public ControlTest {
 protected:
  RECT Client() {
    RECT client;
    GetClientRect(control, &client);
    return client;
  }
  void Capture(Picture& picture) { Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.dc()), PRF_CLIENT); }

  struct Piece {
    std::u16string text;
    COLORREF colour = RGB(0, 0, 0);
    COLORREF paper = GetSysColor(COLOR_WINDOW);
  };
  RECT FirstRow() {
    POINT origin = PointOf(0);
    int height = PointOf(static_cast<LONG>(Send(EM_LINEINDEX, 1))).y - origin.y;
    return {origin.x, origin.y, Client().right, origin.y + height};
  }

  // Pixels of the first line where the control differs from `pieces` drawn
  // one after another from where it draws position 0, in its font.
  int Mismatch(const std::vector<Piece>& pieces) {
    Picture drawn(Client()), wanted(Client());
    Capture(drawn);
    POINT origin = PointOf(0);
    HGDIOBJ old = SelectObject(wanted.dc(), reinterpret_cast<HFONT>(Send(WM_GETFONT)));
    SetTextAlign(wanted.dc(), TA_TOP | TA_LEFT | TA_UPDATECP);
    MoveToEx(wanted.dc(), origin.x, origin.y, nullptr);
    for (const Piece& piece : pieces) {
      SetTextColor(wanted.dc(), piece.colour);
      SetBkColor(wanted.dc(), piece.paper);
      ExtTextOutW(wanted.dc(), 0, 0, 0, nullptr, reinterpret_cast<const wchar_t*>(piece.text.c_str()),
                  static_cast<UINT>(piece.text.size()), nullptr);
    }
    SelectObject(wanted.dc(), old);
    return drawn.Differences(wanted, FirstRow());
  }
};

TEST_F(RenderTest, EachCodePageShowsItsOwnLettersAndControlBytesShowInverted) {
  // Outside the test macros: their texts are compiled as Windows-1251, which has no box drawing.
  const std::u16string dos = u"Привет, мир! ░▒▓│┤ ё", koi = u"Привет, мир! Ёё ─│┌";
  SetText("\x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0! \xB0\xB1\xB2\xB3\xB4 \xF1\r\n");
  Send(EM_SETVIEWCODEPAGE, Oem);
  EXPECT_EQ(Mismatch({{dos}}), 0);
  Send(EM_SETVIEWCODEPAGE, Ansi);  // the same bytes as Windows-1251 look different
  EXPECT_GT(Mismatch({{dos}}), 50);
  SetText("\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2! \xB3\xA3 \x80\x81\x82\r\n");
  Send(EM_SETVIEWCODEPAGE, Koi8);
  EXPECT_EQ(Mismatch({{koi}}), 0);
  Send(EM_SETVIEWCODEPAGE, Oem);
  EXPECT_GT(Mismatch({{koi}}), 50);

  // Each as the letter of its Ctrl chord, window-coloured on grey; nothing ends at the zero.
  SetText(std::string("a\0b\x01" "c\x7F" "d\r\n", 9));
  COLORREF grey = GetSysColor(COLOR_GRAYTEXT), paper = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(Mismatch({{u"a"}, {u"@", paper, grey}, {u"b"}, {u"A", paper, grey}, {u"c"}, {u"?", paper, grey}, {u"d"}}),
            0);
}

TEST_F(RenderTest, SelectionAndColourRunsArePainted) {
  SetText("plain red plain\r\n");
  Select(6, 9);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = RGB(255, 0, 0);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  RECT row = FirstRow();
  RECT red{PointOf(6).x, row.top, PointOf(9).x, row.bottom}, selected{PointOf(0).x, row.top, PointOf(5).x, row.bottom};
  RECT after{PointOf(5).x + 1, row.top, PointOf(6).x, row.bottom};  // the blank after the selection
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  Select(0, 5);
  Send(EM_HIDESELECTION, FALSE, TRUE);  // shown, though the control has no focus
  Picture shown(Client());
  Capture(shown);
  EXPECT_GT(shown.CountColour(red, RGB(255, 0, 0)), 5);
  EXPECT_EQ(shown.CountColour(row, RGB(255, 0, 0)), shown.CountColour(red, RGB(255, 0, 0)));
  EXPECT_GT(shown.CountColour(selected, highlight), (selected.right - selected.left) * (row.bottom - row.top) / 2);
  EXPECT_EQ(shown.CountColour(after, highlight), 0);
}

TEST_F(RenderTest, Utf8ShowsItsCharactersAndABrokenByteAsAGreyMark) {
  Send(EM_SETVIEWCODEPAGE, Utf8);
  SetText("\xD0\x96\xE4\xB8\xAD\xF0\x9F\x98\x80\r\n");
  const std::u16string shown = u"Ж中😀";  // outside the macro, which would make it Windows-1251 text
  EXPECT_EQ(Mismatch({{shown}}), 0);
  COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  SetText("\xD0\x96\r\n");
  Picture letter(Client());
  Capture(letter);
  EXPECT_EQ(letter.CountColour(FirstRow(), grey), 0);
  SetText("\x96\r\n");  // the same byte without its lead
  Picture mark(Client());
  Capture(mark);
  EXPECT_GT(mark.CountColour(FirstRow(), grey), 3);
  EXPECT_GT(mark.Differences(letter, FirstRow()), 10);
}

}  // namespace
