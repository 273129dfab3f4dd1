// WM_COPY, WM_CUT and WM_PASTE as any edit control answers them: the
// document's bytes as CF_TEXT. (The program's own Copy and Paste commands
// choose the clipboard format by the view code page and do not come here.)
#include <cstring>
#include <string>

#include "control/control_editing.h"
#include "control/control_messages.h"

namespace {

bool CopySelection(DocumentControl& control) {
  std::string bytes = control.engine.GetSelectedText();
  if (bytes.empty()) return false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + 1);
  if (!block) return false;
  void* data = GlobalLock(block);
  if (!data) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(block);
  if (!OpenClipboard(control.window)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  bool handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  if (!handedOver) GlobalFree(block);
  return handedOver;
}

void Paste(DocumentControl& control) {
  if (control.readOnly || !OpenClipboard(control.window)) return;
  std::string bytes;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const char* data = static_cast<const char*>(GlobalLock(block))) {
      bytes.assign(data, strnlen(data, GlobalSize(block)));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  if (!bytes.empty() && !ReplaceSelection(control, bytes, UndoAction::Separate)) MessageBeep(MB_OK);
}

}  // namespace

bool HandleClipboardMessage(DocumentControl& control, UINT message, WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COPY:
      CopySelection(control);
      return true;
    case WM_CUT:
      if (!control.readOnly && CopySelection(control)) ReplaceSelection(control, {}, UndoAction::Separate);
      return true;
    case WM_PASTE:
      Paste(control);
      return true;
    default:
      return false;
  }
}
