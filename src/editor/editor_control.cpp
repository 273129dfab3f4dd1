#include "editor/editor_control.h"

#include <richedit.h>

#include "base/globals.h"
#include "control/document_control.h"
#include "editor/caret_report.h"
#include "editor/colour_settings.h"
#include "editor/editor_input.h"
#include "editor/ole_callback.h"
#include "editor/text_limit.h"
#include "editor/view_refresh.h"

HWND editorWindow;
WNDPROC editorBaseProc;
DWORD wrapStyle = wordWrapOffStyle;
int32_t textLimit;
bool overwriteMode;
bool editorFocusForward;
CaretRange lastCaretRange;

namespace {

constexpr DWORD editorExStyle = WS_EX_STATICEDGE | WS_EX_ACCEPTFILES;  // 0x20010
constexpr DWORD editorStyle =
    WS_CHILD | ES_SELECTIONBAR | WS_VSCROLL | ES_AUTOVSCROLL | ES_NOOLEDRAGDROP | ES_MULTILINE;  // 0x4120004C
static_assert(editorStyle == 0x4120004C);

void CreateEditorWindow() {
  editorWindow = CreateWindowExA(editorExStyle, documentControlClassName, nullptr, editorStyle | wrapStyle, 0, 64,
                                 256, 128, mainWindow, nullptr, appInstance, nullptr);
}

void InstallInputProcedure() {
  editorBaseProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(editorWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorInputProc)));
}

}  // namespace

void ComputeTextLimit() {
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  GlobalMemoryStatusEx(&memory);
  textLimit = TextLimitFromMemory(memory.ullTotalPhys, memory.ullTotalVirtual);
}

void CreateEditor() {
  CreateEditorWindow();
  if (!editorWindow) return;
  SendMessageW(editorWindow, EM_SETDPI, static_cast<WPARAM>(windowDpi), 0);
  SendMessageA(editorWindow, EM_EXLIMITTEXT, 0, textLimit);
  SendMessageA(editorWindow, EM_SETBKGNDCOLOR, 0, StoredBackgroundColour());
  RefreshViewFormat();
  SetWindowTextA(editorWindow, "");
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  overwriteMode = false;
  ReportInsertMode();
  ReportCaretPositionAfresh();
  SendMessageA(editorWindow, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(&editorOleCallback));
  ShowWindow(editorWindow, SW_SHOW);
  editorFocusForward = true;
  SetFocus(editorWindow);
  InstallInputProcedure();
}
