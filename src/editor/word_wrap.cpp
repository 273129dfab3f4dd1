#include "editor/word_wrap.h"

#include <windows.h>
#include <richedit.h>

#include <cstdint>

#include "base/commands.h"
#include "base/error_box.h"
#include "base/globals.h"
#include "base/heap_blocks.h"
#include "base/settings_store.h"
#include "editor/editor_control.h"
#include "editor/memory_stream.h"
#include "editor/undo_commands.h"

namespace {

void StoreWrapState() {
  WriteSettingDword("WW", static_cast<int32_t>(wrapStyle));
}

void LayOutMainWindow() {
  RECT client;
  GetClientRect(mainWindow, &client);
  SendMessageA(mainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

// The new control is made and given the text before the old one goes, so a
// failure (no window, no memory for the text) keeps the old one as it was.
bool ReplaceEditor(MemoryStream& text) {
  HWND oldEditor = editorWindow;
  DWORD oldStyle = wrapStyle;
  wrapStyle = oldStyle == 0 ? wordWrapOffStyle : 0;
  editorWindow = nullptr;
  CreateEditor();
  bool filled = false;
  if (editorWindow) {
    ExpectUnrecordedChange(UndoJournal::UnrecordedChange::SameText);
    filled = StreamInFromMemory(&text, SF_TEXT) == 0;
  }
  if (filled) {
    DestroyWindow(oldEditor);
    return true;
  }
  // The same text under the same limit: what failed is memory, for the window or for the text.
  ExpectUnrecordedChange(UndoJournal::UnrecordedChange::None);
  if (editorWindow) DestroyWindow(editorWindow);
  editorWindow = oldEditor;
  wrapStyle = oldStyle;
  SetFocus(editorWindow);
  ReportOutOfMemory();
  return false;
}

}  // namespace

void ToggleWordWrap() {
  if (!editorWindow) return;
  LRESULT textLength = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  if (textLength < 0 || textLength > INT32_MAX - 2) return;
  MemoryStream stream{0, 0, nullptr, static_cast<int32_t>(textLength) + 2};
  stream.buffer = static_cast<BYTE*>(HeapAllocZero(static_cast<SIZE_T>(stream.capacity)));
  if (!stream.buffer) {
    ReportOutOfMemory();
    return;
  }
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LRESULT modified = SendMessageA(editorWindow, EM_GETMODIFY, 0, 0);
  if (!StreamOutToMemory(&stream)) {
    ReportOutOfMemory();
  } else if (ReplaceEditor(stream)) {
    StoreWrapState();
    LayOutMainWindow();
    SendMessageA(editorWindow, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(editorWindow, EM_SETMODIFY, modified != 0, 0);
  }
  HeapFreeIfAny(stream.buffer);
}
