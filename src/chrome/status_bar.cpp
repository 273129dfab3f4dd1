#include "chrome/status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/display_scale.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "base/ui_texts.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"
#include "base/window_dpi.h"
#include "base/window_messages.h"

HWND statusWindow;
// Seven digits of column and line: a caret beyond them widens no pane, its digits run on.
const wchar_t* const widestCaretText = L"8888888:8888888";
const wchar_t* const widestKeyboardText = L"WW";

namespace {

HWND statusTooltip;
HFONT statusFont;       // the bar's font at windowDpi
RECT codePagePaneRect;  // in the bar's client coordinates; the panes left of the path have fixed widths
WNDPROC statusBaseProc;

std::wstring shownPath;  // the path pane's text, which its tooltip shows whole

TTTOOLINFOW PathTool() {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.hwnd = statusWindow;
  tool.uId = statusBarId;
  tool.hinst = appInstance;
  tool.lpszText = shownPath.data();
  return tool;
}

// The path pane's tool: the whole pane, however wide the bar grows.
void AddPathTooltip() {
  statusTooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, 0, 0, 0, 0, mainWindow, nullptr, appInstance,
                                  nullptr);
  if (!statusTooltip) return;
  TTTOOLINFOW tool = PathTool();
  tool.uFlags = TTF_SUBCLASS;
  SendMessageW(statusWindow, SB_GETRECT, pathPane, reinterpret_cast<LPARAM>(&tool.rect));
  tool.rect.right = 65535;
  SendMessageW(statusTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void OpenCodePageMenu(LPARAM where) {
  POINT point{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (!PtInRect(&codePagePaneRect, point)) return;
  ClientToScreen(statusWindow, &point);
  SendMessageA(mainWindow, contextMenuMessage, static_cast<WPARAM>(ContextMenu::CodePage),
               MAKELPARAM(point.x, point.y));
}

// A click on the code-page pane opens the code-page menu; the bar still sees every message.
static LRESULT StatusClickProcUnguarded(HWND, UINT, WPARAM, LPARAM);

LRESULT CALLBACK StatusClickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return StatusClickProcUnguarded(window, message, wParam, lParam); }, LRESULT{0});
}

static LRESULT StatusClickProcUnguarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC base = statusBaseProc;
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP) OpenCodePageMenu(lParam);
  return CallWindowProcW(base, window, message, wParam, lParam);
}

void SetOwnerDrawn(int pane) { SendMessageW(statusWindow, SB_SETTEXTW, pane, 0); }

// The reports of the parts below: a text for its pane, or a pane to draw again.
void ReceiveStatus(StatusPane pane, const wchar_t* text) {
  if (!statusWindow) return;
  switch (pane) {
    case StatusPane::Keyboard: RefreshKeyboardPane(); return;
    case StatusPane::CodePage: RefreshCodePagePane(); return;
    case StatusPane::Path: ShowFilePath(); return;
    case StatusPane::Caret:
    case StatusPane::InsertMode:
      if (text) SendMessageW(statusWindow, SB_SETTEXTW, static_cast<int>(pane), reinterpret_cast<LPARAM>(text));
      return;
  }
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int WidestCodePageName(HDC dc) {
  int widest = 0;
  for (CodePage page : viewCodePages) widest = std::max(widest, TextWidth(dc, WideFromUtf8(CodePageDisplayName(page))));
  return widest;
}

// The panes' widths at 96 dpi, which a pane keeps at any scale while its texts fit.
constexpr int leastPaneWidths[statusPaneCount - 1] = {95, 30, 105, 70};

// Each pane as wide as the longest text it shows in the bar's font, with the
// bar's borders and a margin on either side, so no text is cut and no pane
// moves when its text changes.
void SetPaneEdges() {
  HDC dc = GetDC(statusWindow);
  HGDIOBJ old = SelectObject(dc, statusFont ? statusFont : GetStockObject(DEFAULT_GUI_FONT));
  const int widths[statusPaneCount - 1] = {
      TextWidth(dc, widestCaretText),
      TextWidth(dc, widestKeyboardText),
      PictureSize(16, windowDpi) + Scaled(statusPictureGap, windowDpi) + WidestCodePageName(dc),
      std::max(TextWidth(dc, insertModeText), TextWidth(dc, overwriteModeText)),
  };
  SelectObject(dc, old);
  ReleaseDC(statusWindow, dc);
  int borders[3] = {};
  SendMessageW(statusWindow, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  int edges[statusPaneCount];
  int right = 0;
  for (int i = 0; i < statusPaneCount - 1; ++i) {
    right += std::max(Scaled(leastPaneWidths[i], windowDpi),
                      widths[i] + 2 * Scaled(statusTextMargin, windowDpi) + borders[2]);
    edges[i] = right;
  }
  edges[statusPaneCount - 1] = -1;  // to the bar's end
  SendMessageW(statusWindow, SB_SETPARTS, statusPaneCount, reinterpret_cast<LPARAM>(edges));
}

}  // namespace

void CreateStatusBar() {
  statusWindow = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, L"", mainWindow, statusBarId);
  if (!statusWindow) return;
  NONCLIENTMETRICSW metrics = MetricsAt(windowDpi);
  if (statusFont) DeleteObject(statusFont);
  statusFont = CreateFontIndirectW(&metrics.lfStatusFont);
  if (statusFont) SendMessageW(statusWindow, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont), FALSE);
  SetPaneEdges();
  AddPathTooltip();
  SendMessageA(statusWindow, SB_GETRECT, codePagePane, reinterpret_cast<LPARAM>(&codePagePaneRect));
  statusBaseProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(statusWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StatusClickProc)));
  SetStatusReceiver(ReceiveStatus);
  RefreshCodePagePane();
  ShowFilePath();
  RefreshKeyboardPane();
}

void DestroyStatusBar() {
  if (!statusWindow) return;
  SetStatusReceiver(nullptr);
  if (statusTooltip) {
    TTTOOLINFOW tool = PathTool();
    SendMessageW(statusTooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    DestroyWindow(statusTooltip);
    statusTooltip = nullptr;
  }
  DestroyWindow(statusWindow);
  statusWindow = nullptr;
  if (statusFont) DeleteObject(statusFont);
  statusFont = nullptr;
}

// Owner-drawn panes carry no text: setting them again repaints them.
void RefreshKeyboardPane() {
  if (statusWindow) SetOwnerDrawn(keyboardPane | SBT_OWNERDRAW | SBT_POPOUT);
}

void RefreshCodePagePane() {
  if (statusWindow) SetOwnerDrawn(codePagePane | SBT_OWNERDRAW);
}

void ShowFilePath() {
  if (!statusWindow) return;
  shownPath = DocumentPathText();
  SendMessageW(statusWindow, SB_SETTEXTW, pathPane, reinterpret_cast<LPARAM>(shownPath.c_str()));
  if (!statusTooltip) return;
  TTTOOLINFOW tool = PathTool();
  SendMessageW(statusTooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}
