#include "editor/utf8_clipboard.h"

#include <windows.h>

#include <cstring>

#include "base/globals.h"
#include "codepages/utf8.h"
#include "codepages/utf8_recoding.h"
#include "editor/own_clipboard.h"

namespace {

// A movable block holding `size` bytes from `data` and a zero of `zeroSize` bytes.
HGLOBAL Block(const void* data, std::size_t size, std::size_t zeroSize) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + zeroSize);
  if (!block) return nullptr;
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(bytes, data, size);
  GlobalUnlock(block);
  return block;
}

bool Offer(UINT format, HGLOBAL block) {
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

}  // namespace

bool PutUtf8OnClipboard(std::string_view utf8) {
  const std::u16string wide = Utf16FromUtf8(utf8);
  const std::string ansi = RecodeText(utf8, Utf8, Ansi).bytes;
  HGLOBAL wideBlock = Block(wide.data(), wide.size() * sizeof(char16_t), sizeof(char16_t));
  HGLOBAL ansiBlock = Block(ansi.data(), ansi.size(), 1);
  if (!wideBlock || !ansiBlock || !OpenClipboard(mainWindow)) {
    if (wideBlock) GlobalFree(wideBlock);
    if (ansiBlock) GlobalFree(ansiBlock);
    return false;
  }
  EmptyClipboard();
  bool taken = Offer(CF_UNICODETEXT, wideBlock);
  taken = Offer(CF_TEXT, ansiBlock) && taken;
  OfferOwnBytes(utf8, Utf8);
  CloseClipboard();
  return taken;
}

// The text is copied out while the clipboard is open and converted after it
// is closed, so running out of memory never leaves it open to other programs.
bool ReadClipboardAsUtf8(std::string& utf8) {
  if (!OpenClipboard(mainWindow)) return false;
  const bool wide = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
  std::u16string units;
  std::string bytes;
  HANDLE data = GetClipboardData(wide ? CF_UNICODETEXT : CF_TEXT);
  const void* text = data ? GlobalLock(data) : nullptr;
  if (text) {
    const SIZE_T size = GlobalSize(data);
    try {
      if (wide) {
        const auto* first = static_cast<const char16_t*>(text);
        std::size_t length = 0;
        while (length < size / sizeof(char16_t) && first[length]) ++length;
        units.assign(first, length);
      } else {
        const auto* first = static_cast<const char*>(text);
        bytes.assign(first, strnlen(first, size));
      }
    } catch (...) {
      GlobalUnlock(data);
      CloseClipboard();
      throw;
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  if (!text) return false;
  if (wide) {
    utf8 = Utf8FromUtf16(units);
  } else {
    utf8.clear();
    AppendPageAsUtf8(Ansi, bytes, utf8);
  }
  return true;
}
