// The document control answered by messages: text, selection, streams, the
// modified flag, character formats and the OLE callback.
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

CHARFORMATA Format(DWORD mask) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = mask;
  return format;
}

TEST_F(ControlTest, ViewCodePageFormatAndTitleAtCreationAreNoChange) {
  EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Koi8), Ansi);
  EXPECT_EQ(Send(EM_SETVIEWCODEPAGE, Iso), Koi8);
  EXPECT_EQ(Send(EM_GETVIEWCODEPAGE), Koi8);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
  EXPECT_TRUE(Send(EM_GETMODIFY));
  Send(EM_SETMODIFY, FALSE);
  CHARFORMATA bold = Format(CFM_BOLD);
  bold.dwEffects = CFE_BOLD;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&bold));
  Send(EM_SETVIEWCODEPAGE, Oem);
  EXPECT_FALSE(Send(EM_GETMODIFY));
  HWND titled = CreateWindowExA(0, documentControlClassName, "from a template", EditorStyle, 0, 0, 100, 100, parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  char text[32] = {};
  EXPECT_EQ(SendMessageA(titled, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 15);
  EXPECT_STREQ(text, "from a template");
  EXPECT_FALSE(SendMessageA(titled, EM_GETMODIFY, 0, 0));
}

// The font's height above its internal leading, in pixels of the screen.
TEXTMETRICA MetricsOf(HWND control, int& pixels) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  pixels = GetDeviceCaps(dc, LOGPIXELSY);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics;
}

TEST_F(ControlTest, FormatsMakeAFixedPitchFontOfTheirSizeAndAMixedColourSaysSo) {
  CHARFORMATA format = Format(CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC);
  format.crTextColor = 8;
  format.bCharSet = OEM_CHARSET;
  format.bPitchAndFamily = FF_MODERN;
  SetText("one two three");
  EXPECT_TRUE(Send(EM_SETCHARFORMAT, SCF_SELECTION | SCF_ALL, reinterpret_cast<LPARAM>(&format)));
  int dpi = 0;
  TEXTMETRICA metrics = MetricsOf(control, dpi);
  EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);  // the bit set means variable pitch
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(200, dpi, 1440));  // size 0 is the default
  CHARFORMATA read = Format(0);
  EXPECT_NE(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  EXPECT_EQ(read.crTextColor, 8u);
  EXPECT_EQ(read.bCharSet, OEM_CHARSET);

  format = Format(CFM_BOLD | CFM_ITALIC | CFM_SIZE);
  format.dwEffects = CFE_BOLD | CFE_ITALIC;
  format.yHeight = 400;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  metrics = MetricsOf(control, dpi);
  EXPECT_GE(metrics.tmWeight, FW_BOLD);
  EXPECT_TRUE(metrics.tmItalic);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(400, dpi, 1440));

  Select(4, 7);
  format = Format(CFM_COLOR);
  format.crTextColor = RGB(0, 128, 0);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  EXPECT_NE(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  EXPECT_EQ(read.crTextColor, RGB(0, 128, 0));
  Select(2, 9);
  EXPECT_EQ(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  format.cbSize = 12;  // too small to be a CHARFORMAT: refused
  EXPECT_FALSE(Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format)));
}

class CountingCallback : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 1;
};

TEST_F(ControlTest, TheOleCallbackIsHeldUntilTheControlGoes) {
  CountingCallback callback;
  EXPECT_TRUE(Send(EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(&callback)));
  EXPECT_EQ(callback.references, 2u);
  DestroyWindow(parent);
  parent = nullptr;
  EXPECT_EQ(callback.references, 1u);
}

}  // namespace
