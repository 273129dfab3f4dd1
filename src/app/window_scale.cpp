#include "app/window_scale.h"

#include "app/initialisation.h"
#include "app/menu_bar.h"
#include "base/globals.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "control/document_control.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"

namespace {

// Made anew for its font and the widths of its panes, with what it showed.
void RebuildStatusBar() {
  if (!statusWindow) return;
  DestroyStatusBar();
  CreateStatusBar();
  ReportInsertMode();
  ReportCaretPositionAfresh();
}

void LayOutAgain() {
  RECT client;
  GetClientRect(mainWindow, &client);
  SendMessageW(mainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  InvalidateRect(mainWindow, nullptr, TRUE);
}

}  // namespace

void OnSystemLooksChanged() {
  ReadMenuMetrics();
  RemeasureMenuItems();
  DrawMenuBar(mainWindow);
  RebuildStatusBar();
  LayOutAgain();
}

void ApplyWindowDpi(int dpi) {
  windowDpi = dpi;
  LoadMenuPictures();
  ScaleToolbar();
  if (editorWindow) SendMessageW(editorWindow, EM_SETDPI, static_cast<WPARAM>(dpi), 0);
  OnSystemLooksChanged();
}

void OnDpiChanged(WPARAM dpis, const RECT& suggested) {
  ApplyWindowDpi(HIWORD(dpis));
  SetWindowPos(mainWindow, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
