#include "chrome/status_bar.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/window_messages.h"

HWND statusWindow;

namespace {

HWND statusTooltip;
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

}  // namespace

void CreateStatusBar() {
  statusWindow = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, L"", mainWindow, statusBarId);
  if (!statusWindow) return;
  SendMessageA(statusWindow, SB_SETPARTS, std::size(statusPaneEdges), reinterpret_cast<LPARAM>(statusPaneEdges));
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
