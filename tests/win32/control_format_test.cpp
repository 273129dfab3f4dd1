// Character formats, the font they make and the OLE callback; the view kept
// across a change of font is tested through the program (view_format_test.cpp).
#include "control_fixture.h"

namespace {

CHARFORMATA Format(DWORD mask) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = mask;
  return format;
}

TEXTMETRICA MetricsOf(HWND control) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics;
}

TEST_F(ControlTest, TheViewFormatOfTheProgramGivesAFixedPitchFontOfTheDefaultSize) {
  CHARFORMATA format = Format(CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC);
  format.crTextColor = 8;
  format.yHeight = 0;
  format.bCharSet = OEM_CHARSET;
  format.bPitchAndFamily = FF_MODERN;
  SetText("text");
  Send(EM_SETSEL, 0, -1);
  EXPECT_TRUE(Send(EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
  EXPECT_TRUE(Send(EM_SETCHARFORMAT, SCF_SELECTION | SCF_ALL, reinterpret_cast<LPARAM>(&format)));
  TEXTMETRICA metrics = MetricsOf(control);
  EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);  // the bit set means variable pitch
  HDC dc = GetDC(nullptr);
  int defaultPixels = MulDiv(200, GetDeviceCaps(dc, LOGPIXELSY), 1440);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, defaultPixels);

  CHARFORMATA read = Format(0);
  EXPECT_NE(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  EXPECT_EQ(read.crTextColor, 8u);
  EXPECT_EQ(read.bCharSet, OEM_CHARSET);
  EXPECT_EQ(read.yHeight, 0);
  EXPECT_STREQ(read.szFaceName, "");

  format = Format(CFM_BOLD | CFM_ITALIC | CFM_SIZE);
  format.dwEffects = CFE_BOLD | CFE_ITALIC;
  format.yHeight = 400;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  metrics = MetricsOf(control);
  EXPECT_GE(metrics.tmWeight, FW_BOLD);
  EXPECT_TRUE(metrics.tmItalic);
  dc = GetDC(nullptr);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(400, GetDeviceCaps(dc, LOGPIXELSY), 1440));
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(Send(EM_GETCHARFORMAT, FALSE, reinterpret_cast<LPARAM>(&read)) & CFM_BOLD, static_cast<LRESULT>(CFM_BOLD));
}

TEST_F(ControlTest, ColourOfARangeIsItsOwnAndAMixedRangeSaysSo) {
  SetText("one two three");
  Select(4, 7);
  CHARFORMATA format = Format(CFM_COLOR);
  format.crTextColor = RGB(0, 128, 0);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  CHARFORMATA read = Format(0);
  EXPECT_NE(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  EXPECT_EQ(read.crTextColor, RGB(0, 128, 0));
  Select(2, 9);
  EXPECT_EQ(Send(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&read)) & CFM_COLOR, 0);
  // A record too small to be a CHARFORMAT is refused.
  CHARFORMATA tiny = Format(CFM_COLOR);
  tiny.cbSize = 12;
  EXPECT_FALSE(Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&tiny)));
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
