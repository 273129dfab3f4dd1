#include "app/session_end.h"

#include <windows.h>
#include <richedit.h>

#include "app/window_placement.h"
#include "base/globals.h"
#include "base/system_function.h"
#include "base/ui_texts.h"
#include "documents/recent_files.h"
#include "editor/editor_control.h"

namespace {

bool reasonGiven = false;

}  // namespace

void KeepShutdownReason() {
  // Wine has neither: the reason is simply not given there.
  using CreateReason = BOOL(WINAPI*)(HWND, const wchar_t*);
  using DestroyReason = BOOL(WINAPI*)(HWND);
  static const auto create = SystemFunction<CreateReason>(L"user32.dll", "ShutdownBlockReasonCreate");
  static const auto destroy = SystemFunction<DestroyReason>(L"user32.dll", "ShutdownBlockReasonDestroy");
  bool modified = editorWindow && SendMessageW(editorWindow, EM_GETMODIFY, 0, 0);
  if (modified == reasonGiven || !create || !destroy || !mainWindow) return;
  reasonGiven = modified ? create(mainWindow, unsavedShutdownReason) != FALSE : !destroy(mainWindow);
}

void RememberAtSessionEnd() {
  if (placementActive) SaveWindowPlacement();
  RememberCaretOfDocument();
}
