#include "printing/print_preview.h"

#include <windows.h>
#include <richedit.h>

#include <cstdio>

#include "base/display_scale.h"
#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "base/window_dpi.h"
#include "editor/editor_control.h"
#include "printing/page_number.h"
#include "printing/print_setup.h"

namespace {

constexpr int previewDialog = 7;
constexpr int firstPageButton = 101;
constexpr int nextPageButton = 102;
constexpr int numberControl = 103;
constexpr int pageArea = 104;
constexpr int zoomInCursor = 1;
constexpr int zoomOutCursor = 2;
constexpr int magnified = 3;

// One opening of the preview. Nothing is formatted in advance: every repaint
// lays out the shown page again from `pageStart`.
struct Preview {
  HDC previewDC = nullptr;  // the printer: lines and pages break as there
  PageGeometry geometry;
  bool previewNumbers = false;
  int previewZoom = 1;
  POINT zoomAnchor{};
  LRESULT pageStart = 0;
  LRESULT nextPageStart = 0;
  unsigned previewPageNo = 1;
  HCURSOR zoomIn = nullptr, zoomOut = nullptr;
};
Preview preview;

void OnInitDialog(HWND dialog) {
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  preview.pageStart = preview.nextPageStart = 0;
  preview.previewPageNo = 1;
  SetWindowTextW(dialog, FillText(previewTitle, {MainWindowTitle()}).c_str());
  if (preview.previewNumbers) MatchPageNumberFormat(GetDlgItem(dialog, numberControl));
  // Its normal size is the whole work area of the editor's monitor too: Wine
  // without a window manager puts a dialog back to its normal size soon after
  // it opened.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    MoveWindow(dialog, work.left, work.top, work.right - work.left, work.bottom - work.top, FALSE);
  }
  ShowWindow(dialog, SW_SHOWMAXIMIZED);
}

// The page area under the buttons, as large as the page's proportions allow,
// centred.
void OnSize(HWND dialog) {
  // The size now, not the one the message was sent for: a maximised dialog
  // may still receive the size it was created with.
  RECT client{};
  GetClientRect(dialog, &client);
  int width = client.right, height = client.bottom;
  RECT button{};
  GetClientRect(GetDlgItem(dialog, nextPageButton), &button);
  const int dpi = SystemDpiOf(dialog);
  int top = button.bottom + Scaled(4, dpi);
  int pageWidth = preview.geometry.page.right, pageHeight = preview.geometry.page.bottom;
  if (pageWidth <= 0 || pageHeight <= 0) return;
  int w, h;
  if (pageHeight >= pageWidth) {
    h = height - top - Scaled(2, dpi);
    w = MulDiv(h, pageWidth, pageHeight);
  } else {
    w = width - top;
    h = MulDiv(w, pageHeight, pageWidth);
  }
  MoveWindow(GetDlgItem(dialog, pageArea), (width - w) / 2, top, w, h, FALSE);
  InvalidateRect(dialog, nullptr, TRUE);
}

void ShowNextButton(HWND dialog, LRESULT length) {
  // A page that takes nothing (a print area below one line) has no next page.
  bool further = preview.nextPageStart < length && preview.nextPageStart > preview.pageStart;
  HWND button = GetDlgItem(dialog, nextPageButton);
  EnableWindow(button, further);
  char caption[24];
  std::snprintf(caption, sizeof caption, further ? "%u&.>>" : "%u ||", preview.previewPageNo);
  SetWindowTextA(button, caption);
}

void DrawPage(HWND dialog, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  int saved = SaveDC(dc);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkColor(dc, ReadSettingDword("Bk", static_cast<int32_t>(GetSysColor(COLOR_WINDOW))));
  // Logical units: pixels of the printer's page at the area's own DPI, which
  // the control lays the text out at, shown whole in the area, or three
  // times larger with the anchor kept in place.
  SetMapMode(dc, MM_ANISOTROPIC);
  int zoom = preview.previewZoom;
  SetWindowExtEx(dc,
                 MulDiv(GetDeviceCaps(preview.previewDC, PHYSICALWIDTH), GetDeviceCaps(dc, LOGPIXELSX),
                        GetDeviceCaps(preview.previewDC, LOGPIXELSX)) / zoom,
                 MulDiv(GetDeviceCaps(preview.previewDC, PHYSICALHEIGHT), GetDeviceCaps(dc, LOGPIXELSY),
                        GetDeviceCaps(preview.previewDC, LOGPIXELSY)) / zoom,
                 nullptr);
  SetViewportExtEx(dc, area.right, area.bottom, nullptr);
  if (zoom != 1) {
    SetViewportOrgEx(dc, -preview.zoomAnchor.x * (zoom - 1), -preview.zoomAnchor.y * (zoom - 1), nullptr);
  }
  if (preview.previewNumbers) {
    LayOutPageNumber(GetDlgItem(dialog, numberControl), dc, preview.previewDC, preview.geometry,
                     preview.previewPageNo, true);
  }
  LRESULT length = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = preview.previewDC;
  range.rcPage = ToRect(preview.geometry.page);
  range.rc = ToRect(preview.geometry.print);
  range.chrg = {static_cast<LONG>(preview.pageStart), static_cast<LONG>(length)};
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  preview.nextPageStart = SendMessageA(editorWindow, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  ShowNextButton(dialog, length);
  RestoreDC(dc, saved);
}

bool OverPageArea(HWND dialog, POINT screenPoint) {
  RECT window{};
  GetWindowRect(GetDlgItem(dialog, pageArea), &window);
  return PtInRect(&window, screenPoint) != FALSE;
}

void OnClick(HWND dialog, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(dialog, &point);
  if (!OverPageArea(dialog, point)) return;
  HWND area = GetDlgItem(dialog, pageArea);
  preview.previewZoom = preview.previewZoom == 1 ? magnified : 1;
  ScreenToClient(area, &point);
  preview.zoomAnchor = point;
  InvalidateRect(area, nullptr, FALSE);
}

bool OnSetCursor(HWND dialog) {
  POINT point{};
  GetCursorPos(&point);
  if (!OverPageArea(dialog, point)) return false;
  SetCursor(preview.previewZoom == 1 ? preview.zoomIn : preview.zoomOut);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
  return true;
}

void ShowPage(HWND dialog, LRESULT start, unsigned number) {
  preview.pageStart = start;
  preview.previewPageNo = number;
  InvalidateRect(GetDlgItem(dialog, pageArea), nullptr, FALSE);
}

static INT_PTR PreviewProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return PreviewProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR PreviewProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog);
      return TRUE;
    case WM_SIZE:
      OnSize(dialog);
      return FALSE;
    case dpiChangedMessage:  // the system scales the dialog's controls; the page's place follows
      OnSize(dialog);
      return FALSE;
    case WM_DRAWITEM:
      if (wParam != pageArea) return FALSE;
      DrawPage(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      OnClick(dialog, lParam);
      return TRUE;
    case WM_SETCURSOR:
      return OnSetCursor(dialog);
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        case firstPageButton: ShowPage(dialog, 0, 1); return TRUE;
        case nextPageButton: ShowPage(dialog, preview.nextPageStart, preview.previewPageNo + 1); return TRUE;
        default: return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

void ShowPrintPreview() {
  if (!editorWindow) return;
  preview = Preview{};
  preview.previewDC = GetPrinterDCOrSay();
  if (!preview.previewDC) return;
  preview.geometry = PageGeometryOf(preview.previewDC);
  preview.previewNumbers = preview.geometry.verticalMargins && pageNumbersOn;
  preview.zoomIn = LoadCursorA(appInstance, MAKEINTRESOURCEA(zoomInCursor));
  preview.zoomOut = LoadCursorA(appInstance, MAKEINTRESOURCEA(zoomOutCursor));
  DialogBoxParamW(appInstance, MAKEINTRESOURCEW(previewDialog), mainWindow, PreviewProc, 0);
  DeleteDC(preview.previewDC);
  preview.previewDC = nullptr;
}
