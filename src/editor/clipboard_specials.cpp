#include "editor/clipboard_specials.h"

#include <windows.h>
#include <richedit.h>

#include <cstring>

#include "app/globals.h"
#include "conversion/code_pages.h"
#include "conversion/undo_commands.h"
#include "conversion/view_format.h"
#include "editor/editor_control.h"
#include "editor/heap_blocks.h"
#include "editor/memory_stream.h"

UINT ViewClipboardFormat() { return viewCodePage == Ansi ? CF_TEXT : CF_OEMTEXT; }

namespace {

// Fills a clipboard block with the selected bytes; KOI8-R goes out as DOS-866.
HGLOBAL SelectionBlock(LONG length) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, static_cast<SIZE_T>(length) + 1);
  if (!block) return nullptr;
  auto* bytes = static_cast<BYTE*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  LRESULT copied = SendMessageA(editorWindow, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(bytes));
  if (viewCodePage == Koi8) RecodeBytes(bytes, static_cast<size_t>(copied), Koi8ToOem, NoTable);
  GlobalUnlock(block);
  return block;
}

void PasteBytes(BYTE* bytes, int32_t length) {
  RecordUndo(UndoReplace, length);
  MemoryStream stream{0, length, bytes, length};
  StreamInFromMemory(&stream, SF_TEXT | SFF_SELECTION);
}

void PasteText(const char* text) {
  auto length = static_cast<int32_t>(lstrlenA(text));
  if (viewCodePage != Koi8) {
    PasteBytes(reinterpret_cast<BYTE*>(const_cast<char*>(text)), length);
    return;
  }
  auto* copy = static_cast<BYTE*>(HeapAllocZero(static_cast<SIZE_T>(length) + 1));
  if (!copy) return;
  std::memcpy(copy, text, static_cast<size_t>(length));
  RecodeBytes(copy, static_cast<size_t>(length), OemToKoi8, NoTable);
  PasteBytes(copy, length);
  HeapFreeIfAny(copy);
}

}  // namespace

void CopyCommand() {
  if (!editorWindow) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LONG length = selection.cpMax - selection.cpMin;
  if (length <= 0) return;
  HGLOBAL block = SelectionBlock(length);
  if (!block) return;
  if (!OpenClipboard(mainWindow)) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(ViewClipboardFormat(), block)) GlobalFree(block);
  CloseClipboard();
}

void PasteCommand() {
  if (!editorWindow || !IsClipboardFormatAvailable(CF_TEXT)) return;
  if (!OpenClipboard(mainWindow)) return;
  HANDLE data = GetClipboardData(ViewClipboardFormat());
  if (const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
    PasteText(text);
    GlobalUnlock(data);
  }
  CloseClipboard();
}
