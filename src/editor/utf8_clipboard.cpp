#include "editor/utf8_clipboard.h"

#include <windows.h>

#include <cstring>

#include "base/globals.h"
#include "codepages/utf8.h"
#include "codepages/utf8_recoding.h"

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
  CloseClipboard();
  return taken;
}

bool ReadClipboardAsUtf8(std::string& utf8) {
  if (!OpenClipboard(mainWindow)) return false;
  const bool wide = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
  HANDLE data = GetClipboardData(wide ? CF_UNICODETEXT : CF_TEXT);
  const void* text = data ? GlobalLock(data) : nullptr;
  if (text) {
    const SIZE_T size = GlobalSize(data);
    if (wide) {
      const auto* units = static_cast<const char16_t*>(text);
      std::size_t length = 0;
      while (length < size / sizeof(char16_t) && units[length]) ++length;
      utf8 = Utf8FromUtf16(std::u16string_view(units, length));
    } else {
      const auto* bytes = static_cast<const char*>(text);
      utf8.clear();
      AppendPageAsUtf8(Ansi, std::string_view(bytes, strnlen(bytes, size)), utf8);
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text != nullptr;
}
