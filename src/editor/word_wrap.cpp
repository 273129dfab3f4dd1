#include "editor/word_wrap.h"

#include <windows.h>
#include <richedit.h>

#include <cstdint>

#include "app/globals.h"
#include "app/menu_bar.h"
#include "app/settings_store.h"
#include "conversion/undo_commands.h"
#include "editor/editor_control.h"
#include "editor/heap_blocks.h"
#include "editor/memory_stream.h"

namespace {

void ShowWrapState() {
  CheckMenuItem(mainMenu, wordWrapCommand, MF_BYCOMMAND | (wrapStyle == 0 ? MF_CHECKED : MF_UNCHECKED));
  WriteSettingDword("WW", static_cast<int32_t>(wrapStyle));
}

void LayOutMainWindow() {
  RECT client;
  GetClientRect(mainWindow, &client);
  SendMessageA(mainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

// The new control is made before the old one goes, so a failure keeps the old one.
bool ReplaceEditor() {
  HWND oldEditor = editorWindow;
  DWORD oldStyle = wrapStyle;
  wrapStyle = oldStyle == 0 ? wordWrapOffStyle : 0;
  editorWindow = nullptr;
  CreateEditor();
  if (!editorWindow) {
    editorWindow = oldEditor;
    wrapStyle = oldStyle;
    return false;
  }
  DestroyWindow(oldEditor);
  return true;
}

}  // namespace

void ToggleWordWrap() {
  if (!editorWindow) return;
  LRESULT textLength = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  if (textLength < 0 || textLength > INT32_MAX - 2) return;
  MemoryStream stream{0, 0, nullptr, static_cast<int32_t>(textLength) + 2};
  stream.buffer = static_cast<BYTE*>(HeapAllocZero(static_cast<SIZE_T>(stream.capacity)));
  if (!stream.buffer) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LRESULT modified = SendMessageA(editorWindow, EM_GETMODIFY, 0, 0);
  if (StreamOutToMemory(&stream) && ReplaceEditor()) {
    ShowWrapState();
    LayOutMainWindow();
    ExpectUnrecordedChange(UndoJournal::UnrecordedChange::SameText);
    StreamInFromMemory(&stream, SF_TEXT);
    SendMessageA(editorWindow, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(editorWindow, EM_SETMODIFY, modified != 0, 0);
  }
  HeapFreeIfAny(stream.buffer);
}
