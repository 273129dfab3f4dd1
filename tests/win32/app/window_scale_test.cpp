// The main window moved to displays of other scales, as the system tells it
// with WM_DPICHANGED: what grows, and what the user was doing stays.
#include <vector>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"
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

using WindowScale = FreshDocument;

// One row for each common scale: the pictures are the drawn size nearest below
// 16 (24 for big buttons) pixels at 96 dpi; a button is its picture with the
// control's usual padding of 7 by 6 pixels at 96 dpi, scaled; the widest text
// of each status pane fits inside it; the text's rows are as high as its font
// at its size in points, a point 1/72 inch; selection and first line stay.
TEST_F(WindowScale, EverythingFollowsTheDpiTheWindowIsMovedTo) {
  const struct { int dpi, picture, bigPicture, buttonWidth, buttonHeight; } rows[] = {
      {96, 16, 24, 16 + 7, 16 + 6}, {120, 16, 24, 16 + 9, 16 + 8}, {144, 24, 32, 24 + 11, 24 + 9},
      {192, 32, 48, 32 + 14, 32 + 12}};
  std::string text;
  for (int line = 0; line < 300; ++line) text += "Строка " + std::to_string(line) + "\r\n";
  SetEditorText(text);
  Select(1234, 1250);
  SendMessageA(editorWindow, EM_LINESCROLL, 0, 100);
  const auto firstLine = SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0);
  ReportCaretPositionAfresh();
  const std::string caretText = StatusPaneText(caretPane);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  // Seven digits of column and line, either mode, each view's name after its picture (true).
  std::vector<std::tuple<int, std::wstring, bool>> widest = {
      {caretPane, L"9999999:9999999", false}, {insertModePane, insertModeText, false},
      {insertModePane, overwriteModeText, false}};
  for (CodePage page : viewCodePages) widest.emplace_back(codePagePane, WideFromUtf8(CodePageDisplayName(page)), true);
  HDC dc = GetDC(nullptr);
  HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dpi);
    ChangeDpi(r.dpi);
    int width = 0, height = 0;
    ImageList_GetIconSize(toolbarPictures, &width, &height);
    EXPECT_EQ(width, r.picture);
    EXPECT_EQ(SendMessageW(toolbarWindow, TB_GETBUTTONSIZE, 0, 0), MAKELONG(r.buttonWidth, r.buttonHeight));
    bigButtons = true;
    ScaleToolbar();
    bigButtons = false;
    ImageList_GetIconSize(toolbarPictures, &width, &height);
    EXPECT_EQ(width, r.bigPicture);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(statusWindow, WM_GETFONT, 0, 0)));
    for (const auto& [pane, longest, pictured] : widest) {
      RECT rect{};
      SendMessageW(statusWindow, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
      SIZE size{};
      GetTextExtentPoint32W(dc, longest.c_str(), static_cast<int>(longest.size()), &size);
      EXPECT_LT((pictured ? r.picture : 0) + size.cx, rect.right - rect.left) << pane;
    }
    HFONT font = CreateFontA(-MulDiv(static_cast<int>(format.yHeight), r.dpi, 1440), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                             format.bCharSet, 0, 0, 0, format.bPitchAndFamily, format.szFaceName);
    TEXTMETRICA metrics{};
    SelectObject(dc, font);
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, original);
    DeleteObject(font);
    POINTL top[2]{};
    for (int i : {0, 1}) {
      SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top[i]),
                   SendMessageA(editorWindow, EM_LINEINDEX, firstLine + i, 0));
    }
    EXPECT_EQ(top[1].y - top[0].y, metrics.tmHeight + metrics.tmExternalLeading);
    EXPECT_EQ(Selection().cpMin, 1234);
    EXPECT_EQ(Selection().cpMax, 1250);
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    EXPECT_EQ(StatusPaneText(caretPane), caretText);
  }
  ReleaseDC(nullptr, dc);
  ChangeDpi(SystemDpiOf(mainWindow));  // nothing above ends the test early
}

}  // namespace
