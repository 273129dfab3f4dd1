// The document control's class and window procedure: its life cycle, size,
// paint, focus and redraw; every other message goes to the handler of its
// concern.
#include "control/document_control.h"

#include <richedit.h>

#include <new>
#include <stdexcept>

#include "base/window_dpi.h"
#include "control/control_caret.h"
#include "control/control_messages.h"
#include "control/control_paint.h"
#include "control/control_view.h"
#include "control/drop_target.h"

const char documentControlClassName[] = "Zorn2Document";

namespace {

// Word wrap is off when the style asks for horizontal scrolling.
bool WrapsWithStyle(DWORD style) { return (style & ES_MULTILINE) && !(style & (WS_HSCROLL | ES_AUTOHSCROLL)); }

// The options a program may change after creation by setting the style.
void ApplyEditStyle(DocumentControl& control, DWORD style) {
  control.readOnly = (style & ES_READONLY) != 0;
  control.noHideSelection = (style & ES_NOHIDESEL) != 0;
}

// The creation style decides the rest for good: the system clears the scroll
// bar bits whenever it hides a bar that has nothing to scroll.
void ApplyCreationStyle(DocumentControl& control, DWORD style) {
  control.multiline = (style & ES_MULTILINE) != 0;
  control.wrap = WrapsWithStyle(style);
  control.selectionBar = (style & ES_SELECTIONBAR) != 0;
  control.verticalBarWanted = (style & WS_VSCROLL) != 0;
  control.horizontalBarWanted = (style & WS_HSCROLL) != 0;
  ApplyEditStyle(control, style);
}

void AnnounceChange(HWND window, PositionRange replaced, Position inserted) {
  TEXTCHANGING change{};
  change.header.hwndFrom = window;
  change.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
  change.header.code = EN_TEXTCHANGING;
  change.replaced = {replaced.start, replaced.end};
  change.inserted = inserted;
  SendMessageA(GetParent(window), WM_NOTIFY, change.header.idFrom, reinterpret_cast<LPARAM>(&change));
}

LRESULT OnCreate(DocumentControl& control, const CREATESTRUCTA& create) {
  // A title given at creation (a dialog template's text) is the first text.
  if (create.lpszName && !IS_INTRESOURCE(create.lpszName)) control.engine.SetText(create.lpszName);
  control.engine.SetChangeListener(
      [window = control.window](PositionRange replaced, Position inserted) { AnnounceChange(window, replaced, inserted); });
  control.engine.SetModified(false);
  control.fontFormat = control.engine.GetTextFormat();
  control.dpi = SystemDpiOf(control.window);
  BuildViewFont(control.font, control.fontFormat, control.viewCodePage, control.dpi);
  control.selectionShown = control.noHideSelection;
  control.top = control.Layout().RowAt(0);
  UpdateScrollBars(control);
  RegisterDropTarget(control);
  return 0;
}

LRESULT SetDpi(DocumentControl& control, int dpi) {
  const int previous = control.dpi;
  control.dpi = dpi > 0 ? dpi : SystemDpiOf(control.window);
  if (control.dpi == previous) return previous;
  BuildViewFont(control.font, control.fontFormat, control.viewCodePage, control.dpi);
  ResizeCaret(control);
  AfterLayoutChange(control);
  RefreshView(control);
  return previous;
}

void OnSize(DocumentControl& control) {
  AfterLayoutChange(control);
  RefreshView(control);
}

void OnSetRedraw(DocumentControl& control, bool redraw) {
  control.redraw = redraw;
  if (!redraw) return;
  ClampTop(control);
  if (control.caretToShow) EnsureCaretVisible(control);
  control.caretToShow = false;
  RefreshView(control);
}

bool HandleWindowMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CREATE:
      result = OnCreate(control, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
      return true;
    case WM_SIZE:
      OnSize(control);
      return true;
    case WM_PAINT:
      OnPaint(control);
      return true;
    case WM_PRINTCLIENT:
      OnPrintClient(control, reinterpret_cast<HDC>(wParam));
      return true;
    case WM_ERASEBKGND:
      result = 1;  // the paint covers every pixel
      return true;
    case WM_SETFOCUS:
      OnSetFocus(control);
      return true;
    case WM_KILLFOCUS:
      OnKillFocus(control);
      return true;
    case EM_SETTARGETDEVICE:
      // No device: lParam 0 wraps at the window's width, 1 does not wrap.
      if (control.multiline && !wParam) {
        control.wrap = lParam == 0;
        AfterLayoutChange(control);
        RefreshView(control);
      }
      result = TRUE;
      return true;
    case EM_SETDPI:
      result = SetDpi(control, static_cast<int>(wParam));
      return true;
    case EM_HIDESELECTION:
      HideSelection(control, wParam != 0, lParam != 0);
      return true;
    case WM_SETREDRAW:
      OnSetRedraw(control, wParam != 0);
      return true;
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
        ApplyEditStyle(control, reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew);
        RefreshView(control);
      }
      return true;
    default:
      return false;
  }
}

LRESULT Dispatch(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleWindowMessage(control, message, wParam, lParam, result) ||
      HandleTextMessage(control, message, wParam, lParam, result) ||
      HandleStreamMessage(control, message, wParam, lParam, result) ||
      HandleExchangeMessage(control, message, wParam, lParam, result) ||
      HandleFormatMessage(control, message, wParam, lParam, result) ||
      HandleScrollMessage(control, message, wParam, lParam, result) ||
      HandleKeyboardMessage(control, message, wParam, lParam, result) ||
      HandleMouseMessage(control, message, wParam, lParam, result) ||
      HandleClipboardMessage(control, message, wParam, lParam, result) ||
      HandlePrintMessage(control, message, wParam, lParam, result)) {
    return result;
  }
  return DefWindowProcA(control.window, message, wParam, lParam);
}

// Out of memory, a message fails as it can: the engine has changed nothing, a
// stream reports the error in its record, and anything else tells the owner
// with EN_ERRSPACE, as edit controls do. The view is put right in case it
// stopped half way through following an earlier change.
LRESULT RefuseForMemory(DocumentControl& control, UINT message, LPARAM lParam) {
  if (message == EM_STREAMIN || message == EM_STREAMOUT) {
    if (auto* stream = reinterpret_cast<EDITSTREAM*>(lParam)) stream->dwError = ERROR_NOT_ENOUGH_MEMORY;
  } else {
    HWND owner = GetParent(control.window);
    int id = GetDlgCtrlID(control.window);
    if (owner) SendMessageA(owner, WM_COMMAND, MAKEWPARAM(id, EN_ERRSPACE), reinterpret_cast<LPARAM>(control.window));
  }
  RecoverView(control);
  return 0;
}

LRESULT CALLBACK DocumentControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    DocumentControl* control = nullptr;
    try {  // the engine inside allocates too, where a nothrow new does not look
      control = new DocumentControl(window, static_cast<DWORD>(create->style));
    } catch (const std::bad_alloc&) {
      return FALSE;  // no window
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    // ES_SELECTIONBAR has the value of WS_MAXIMIZE: kept, the system would
    // create the control maximized over its parent.
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_MAXIMIZE);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  DocumentControl* control = ControlOf(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete control;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // No exception may unwind into the system's code that called us.
  try {
    return Dispatch(*control, message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    return RefuseForMemory(*control, message, lParam);
  } catch (const std::length_error&) {  // more than a container holds: in 32 bits, memory too
    return RefuseForMemory(*control, message, lParam);
  }
}

}  // namespace

DocumentControl::DocumentControl(HWND window, DWORD style) : window(window), background(GetSysColor(COLOR_WINDOW)) {
  ApplyCreationStyle(*this, style);
}

DocumentControl::~DocumentControl() {
  RevokeDropTarget(*this);
  if (oleCallback) oleCallback->Release();
  ReleaseViewFont(font);
  ReleasePrintLayout(print);
}

bool RegisterDocumentControlClass(HINSTANCE instance) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, documentControlClassName, &existing)) return true;
  WNDCLASSEXA type{};
  type.cbSize = sizeof type;
  type.style = CS_DBLCLKS;
  type.lpfnWndProc = DocumentControlProc;
  type.hInstance = instance;
  type.hCursor = LoadCursor(nullptr, IDC_IBEAM);
  type.lpszClassName = documentControlClassName;
  return RegisterClassExA(&type) != 0;
}
