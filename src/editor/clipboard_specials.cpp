#include "editor/clipboard_specials.h"

#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <new>
#include <string>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/heap_blocks.h"
#include "codepages/code_pages.h"
#include "editor/editor_control.h"
#include "editor/control_editor.h"
#include "editor/own_clipboard.h"
#include "editor/undo_commands.h"
#include "editor/utf8_clipboard.h"
#include "editor/view_format.h"
#include "engine/engine_types.h"

namespace {

// Fills a clipboard block with `length` bytes that `fill` writes and reports
// the count of; KOI8-R goes out as DOS-866.
template <class Fill>
HGLOBAL ClipboardBlock(LONG length, Fill fill) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, static_cast<SIZE_T>(length) + 1);
  if (!block) return nullptr;
  auto* bytes = static_cast<BYTE*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  size_t copied = fill(bytes);
  if (viewCodePage == Koi8) RecodeBytes(bytes, copied, Koi8ToOem, NoTable);
  GlobalUnlock(block);
  return block;
}

// The clipboard takes the block, and the program's own copy of `bytes`;
// false when it cannot be had.
bool HandToClipboard(HGLOBAL block, std::string_view bytes) {
  if (!block) return false;
  if (!OpenClipboard(mainWindow)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  bool taken = SetClipboardData(ViewClipboardFormat(), block) != nullptr;
  if (!taken) GlobalFree(block);
  OfferOwnBytes(bytes, viewCodePage);
  CloseClipboard();
  return taken;
}

// Without memory for the undo step or the text nothing is pasted, and the user
// is told; a paste over the text limit changes nothing silently.
void PasteBytes(BYTE* bytes, int32_t length) {
  if (!RecordUndoOrRefuse(UndoReplace, length)) {
    ReportOutOfMemory();
    return;
  }
  bool outOfMemory = false;
  try {
    if (ControlEditor().ReplaceSelection({reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)})) return;
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  WithdrawUndoStep();
  if (outOfMemory) ReportOutOfMemory();
}

// The text ends at its zero or at the end of its block, whichever comes
// first: a block from another program need not hold a zero. One longer than
// any text can be is refused by the text limit, as a long one is.
void PasteText(const char* text, SIZE_T blockSize) {
  std::size_t size = strnlen(text, blockSize);
  if (size > static_cast<std::size_t>(MaxTextLength)) return;
  auto length = static_cast<int32_t>(size);
  if (viewCodePage != Koi8) {
    PasteBytes(reinterpret_cast<BYTE*>(const_cast<char*>(text)), length);
    return;
  }
  auto* copy = static_cast<BYTE*>(HeapAllocZero(static_cast<SIZE_T>(length) + 1));
  if (!copy) {
    ReportOutOfMemory();
    return;
  }
  std::memcpy(copy, text, static_cast<size_t>(length));
  RecodeBytes(copy, static_cast<size_t>(length), OemToKoi8, NoTable);
  PasteBytes(copy, length);
  HeapFreeIfAny(copy);
}

void PasteUtf8() {
  std::string text;
  if (!ReadClipboardAsUtf8(text) || text.size() > static_cast<std::size_t>(MaxTextLength)) return;
  PasteBytes(reinterpret_cast<BYTE*>(text.data()), static_cast<int32_t>(text.size()));
}

}  // namespace

void CopyCommand() {
  if (!editorWindow) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LONG length = selection.cpMax - selection.cpMin;
  if (length <= 0) return;
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = SendMessageA(editorWindow, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()));
  CopyBytesToClipboard(bytes.data(), static_cast<long>(copied));
}

bool CopyBytesToClipboard(const char* bytes, long length) {
  if (length <= 0) return false;
  const std::string_view copied(bytes, static_cast<std::size_t>(length));
  if (viewCodePage == Utf8) return PutUtf8OnClipboard(copied);
  return HandToClipboard(ClipboardBlock(length, [&](BYTE* block) {
    std::memcpy(block, bytes, static_cast<size_t>(length));
    return static_cast<size_t>(length);
  }), copied);
}

void PasteCommand() {
  if (!editorWindow || !IsClipboardFormatAvailable(CF_TEXT)) return;
  std::string own;
  if (ReadOwnBytes(viewCodePage, own)) {  // copied in this view: every byte as it was
    if (own.size() <= static_cast<std::size_t>(MaxTextLength))
      PasteBytes(reinterpret_cast<BYTE*>(own.data()), static_cast<int32_t>(own.size()));
    return;
  }
  if (viewCodePage == Utf8) {
    PasteUtf8();
    return;
  }
  if (!OpenClipboard(mainWindow)) return;
  HANDLE data = GetClipboardData(ViewClipboardFormat());
  if (const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
    PasteText(text, GlobalSize(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
}
