#include "search/replace_confirm_dialog.h"

#include <richedit.h>

#include "base/globals.h"
#include "base/last_resort.h"
#include "editor/editor_control.h"

namespace {

static INT_PTR ConfirmProcedureUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK ConfirmProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return ConfirmProcedureUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR ConfirmProcedureUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  // The selected match stays highlighted while the dialog has the focus.
  if (editorWindow) SendMessageA(editorWindow, EM_HIDESELECTION, FALSE, FALSE);
  if (message == WM_INITDIALOG) SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  if (message == WM_COMMAND) EndDialog(dialog, LOWORD(wParam));
  return FALSE;
}

}  // namespace

int ReplaceConfirmDialog(HWND owner) {
  return static_cast<int>(DialogBoxParamW(appInstance, MAKEINTRESOURCEW(3), owner, ConfirmProcedure, 0));
}
