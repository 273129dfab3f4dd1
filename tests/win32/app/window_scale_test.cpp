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

void ChangeDpi(int dpi) {
  RECT place;
  GetWindowRect(mainWindow, &place);
  SendMessageW(mainWindow, dpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
}

int ToolbarPicture() {
  int width = 0, height = 0;
  ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(toolbarWindow, TB_GETIMAGELIST, 0, 0)), &width,
                        &height);
  return width == height ? width : -1;
}

// The pixels `text` takes in `font` (null: the status bar's): its width, or its rows' height.
SIZE Extent(const std::wstring& text, HFONT font = nullptr) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? font : reinterpret_cast<HFONT>(SendMessageW(statusWindow, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {size.cx, metrics.tmHeight + metrics.tmExternalLeading};
}

int PaneWidth(int pane) {
  RECT rect{};
  SendMessageW(statusWindow, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
  return rect.right - rect.left;
}

class WindowScale : public FreshDocument {
 protected:
  void TearDown() override {
    bigButtons = false;
    ChangeDpi(SystemDpiOf(mainWindow));
    FreshDocument::TearDown();
  }
};

// One row for each common scale: the pictures are the drawn size nearest below
// 16 (24 for big buttons) pixels at 96 dpi; a button is its picture with the
// control's usual padding of 7 by 6 pixels at 96 dpi, scaled; the widest text
// of each status pane fits inside it; the rows of the 10-point text are as high
// as a 10-point font of 10/72 inch at the scale; text, selection and first line stay.
TEST_F(WindowScale, EverythingFollowsTheDpiTheWindowIsMovedTo) {
  const struct { int dpi, picture, bigPicture, buttonWidth, buttonHeight; } rows[] = {
      {96, 16, 24, 16 + 7, 16 + 6}, {120, 16, 24, 16 + 9, 16 + 8}, {144, 24, 32, 24 + 11, 24 + 9},
      {192, 32, 48, 32 + 14, 32 + 12}};
  std::string text;
  for (int line = 0; line < 300; ++line) text += "Строка " + std::to_string(line) + "\r\n";
  SetEditorText(text);
  Select(1234, 1250);
  SendMessageA(editorWindow, EM_LINESCROLL, 0, 100);
  const auto firstLine = static_cast<LONG>(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0));
  ReportCaretPositionAfresh();
  const std::string caretText = StatusPaneText(caretPane);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE;
  format.yHeight = 200;
  SendMessageA(editorWindow, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  wchar_t caret[32];
  wsprintfW(caret, L"%4u:%u", 9999999u, 9999999u);  // seven digits of column and line
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dpi);
    ChangeDpi(r.dpi);
    EXPECT_EQ(ToolbarPicture(), r.picture);
    const auto button = static_cast<DWORD>(SendMessageW(toolbarWindow, TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(button, static_cast<DWORD>(MAKELONG(r.buttonWidth, r.buttonHeight)));
    bigButtons = true;
    ScaleToolbar();
    EXPECT_EQ(ToolbarPicture(), r.bigPicture);
    bigButtons = false;

    EXPECT_LT(Extent(caret).cx, PaneWidth(caretPane));
    EXPECT_LT(Extent(insertModeText).cx, PaneWidth(insertModePane));
    EXPECT_LT(Extent(overwriteModeText).cx, PaneWidth(insertModePane));
    for (CodePage page : viewCodePages) {
      const char* name = CodePageDisplayName(page);
      EXPECT_LT(r.picture + Extent(std::wstring(name, name + strlen(name))).cx, PaneWidth(codePagePane)) << name;
    }

    LOGFONTA reference{};
    reference.lfHeight = -MulDiv(10, r.dpi, 72);
    reference.lfCharSet = format.bCharSet;
    reference.lfPitchAndFamily = format.bPitchAndFamily;
    lstrcpynA(reference.lfFaceName, format.szFaceName, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&reference);
    POINTL top0{}, top1{};
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top0),
                 SendMessageA(editorWindow, EM_LINEINDEX, firstLine, 0));
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top1),
                 SendMessageA(editorWindow, EM_LINEINDEX, firstLine + 1, 0));
    EXPECT_EQ(top1.y - top0.y, Extent(L"", font).cy);
    DeleteObject(font);

    EXPECT_EQ(EditorText(), text);
    EXPECT_EQ(Selection().cpMin, 1234);
    EXPECT_EQ(Selection().cpMax, 1250);
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    EXPECT_EQ(StatusPaneText(caretPane), caretText);
  }
}

}  // namespace
