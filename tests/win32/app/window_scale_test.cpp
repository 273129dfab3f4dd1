// The main window moved to displays of other scales, as the system tells it
// with WM_DPICHANGED: what grows, and what the user was doing stays.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/view_code_pages.h"
#include "base/window_dpi.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class WindowScale : public FreshDocument {
 protected:
  void TearDown() override {
    bigButtons = false;
    ChangeDpi(SystemDpiOf(mainWindow));
    FreshDocument::TearDown();
  }
  static void ChangeDpi(int dpi) {
    RECT place;
    GetWindowRect(mainWindow, &place);
    SendMessageW(mainWindow, dpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
  }
  static int ToolbarPicture() {
    int width = 0, height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(toolbarWindow, TB_GETIMAGELIST, 0, 0)), &width,
                          &height);
    EXPECT_EQ(width, height);
    return width;
  }
  // Pixels `text` takes in the status bar's font.
  static int StatusTextWidth(const std::wstring& text) {
    HDC dc = GetDC(statusWindow);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(statusWindow, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(statusWindow, dc);
    return size.cx;
  }
  static int PaneWidth(int pane) {
    RECT rect{};
    SendMessageW(statusWindow, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
    return rect.right - rect.left;
  }
};

// One row for each common scale: the pictures are the drawn size nearest below
// 16 (24 for big buttons) pixels at 96 dpi; the buttons are the picture with
// the control's default padding of 7 by 6 pixels at 96 dpi, scaled; the text
// of each status pane fits inside it; the document's 10-point font is as many
// pixels high as 10/72 inch at the scale; the text, selection and first line stay.
TEST_F(WindowScale, EverythingFollowsTheDpiTheWindowIsMovedTo) {
  const struct { int dpi, picture, bigPicture, buttonWidth, buttonHeight; } rows[] = {
      {96, 16, 24, 16 + 7, 16 + 6}, {120, 16, 24, 16 + 9, 16 + 8}, {144, 24, 32, 24 + 11, 24 + 9},
      {192, 32, 48, 32 + 14, 32 + 12}};
  std::string text;
  for (int line = 0; line < 300; ++line) text += "Строка " + std::to_string(line) + "\r\n";
  SetEditorText(text);
  Select(1234, 1250);
  SendMessageA(editorWindow, EM_LINESCROLL, 0, 100);
  const LONG firstLine = static_cast<LONG>(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0));
  ReportCaretPositionAfresh();
  const std::string caretText = StatusPaneText(caretPane);
  ASSERT_GT(firstLine, 0);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE | CFM_FACE;
  format.yHeight = 200;
  SendMessageA(editorWindow, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dpi);
    bigButtons = false;
    ChangeDpi(r.dpi);
    EXPECT_EQ(ToolbarPicture(), r.picture);
    LRESULT button = SendMessageW(toolbarWindow, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(LOWORD(button), r.buttonWidth);
    EXPECT_EQ(HIWORD(button), r.buttonHeight);
    bigButtons = true;
    ScaleToolbar();
    EXPECT_EQ(ToolbarPicture(), r.bigPicture);

    // Widest first: seven digits of column and line, either mode, every view with its picture.
    wchar_t caret[32];
    wsprintfW(caret, L"%4u:%u", 9999999u, 9999999u);
    EXPECT_LT(StatusTextWidth(caret), PaneWidth(caretPane));
    EXPECT_LT(StatusTextWidth(insertModeText), PaneWidth(insertModePane));
    EXPECT_LT(StatusTextWidth(overwriteModeText), PaneWidth(insertModePane));
    for (CodePage page : viewCodePages) {
      std::wstring name(CodePageDisplayName(page), CodePageDisplayName(page) + strlen(CodePageDisplayName(page)));
      EXPECT_LT(r.picture + StatusTextWidth(name), PaneWidth(codePagePane)) << name.size();
    }

    // The rows are the font's height in pixels at the scale: 10 points, 10/72 inch.
    LOGFONTA reference{};
    reference.lfHeight = -MulDiv(10, r.dpi, 72);
    reference.lfCharSet = format.bCharSet;
    reference.lfPitchAndFamily = format.bPitchAndFamily;
    lstrcpynA(reference.lfFaceName, format.szFaceName, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&reference);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    const LONG line0 = static_cast<LONG>(SendMessageA(editorWindow, EM_LINEINDEX, firstLine, 0));
    const LONG line1 = static_cast<LONG>(SendMessageA(editorWindow, EM_LINEINDEX, firstLine + 1, 0));
    POINTL top0{}, top1{};
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top0), line0);
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top1), line1);
    EXPECT_EQ(top1.y - top0.y, metrics.tmHeight + metrics.tmExternalLeading);

    EXPECT_EQ(EditorText(), text);
    EXPECT_EQ(Selection().cpMin, 1234);
    EXPECT_EQ(Selection().cpMax, 1250);
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    EXPECT_EQ(StatusPaneText(caretPane), caretText);
  }
}

}  // namespace
