#include "editor/text_clipboard.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "base/globals.h"
#include "base/wide_strings.h"
#include "codepages/utf8.h"
#include "codepages/unicode_maps.h"
#include "codepages/utf8_recoding.h"
#include "editor/clipboard_blocks.h"
#include "editor/own_clipboard.h"

namespace {

// The bytes as the user sees them, in UTF-16.
std::u16string WideOf(std::string_view bytes, CodePage view) {
  if (view == Utf8) return Utf16FromUtf8(bytes);
  std::u16string wide(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) wide[i] = ByteToUnicode(view, static_cast<unsigned char>(bytes[i]));
  return wide;
}

// What programs that read only a system text format get: Windows-1251 as
// CF_TEXT from the Windows-1251 and UTF-8 views (look-alikes for what it
// lacks), DOS-866 as CF_OEMTEXT from the others.
std::pair<UINT, std::string> SystemTextOf(std::string_view bytes, CodePage view) {
  switch (view) {
    case Ansi: return {CF_TEXT, std::string(bytes)};
    case Utf8: return {CF_TEXT, RecodeText(bytes, Utf8, Ansi).bytes};
    default: {
      std::string oem(bytes);
      if (view == Koi8) RecodeBytes(reinterpret_cast<unsigned char*>(oem.data()), oem.size(), Koi8ToOem, NoTable);
      return {CF_OEMTEXT, std::move(oem)};
    }
  }
}

// The locale whose code pages the system text formats are in (Windows-1251 and
// DOS-866), whatever the system's own: a program that reads them converts by it.
constexpr LCID russian = MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_RUSSIAN_RUSSIA), SORT_DEFAULT);

}  // namespace

bool PutTextOnClipboard(std::string_view bytes, CodePage view) {
  const std::u16string wide = WideOf(bytes, view);
  const auto [systemFormat, system] = SystemTextOf(bytes, view);
  HGLOBAL wideBlock = ClipboardBlock(wide.data(), wide.size() * sizeof(char16_t), sizeof(char16_t));
  HGLOBAL systemBlock = ClipboardBlock(system.data(), system.size(), 1);
  if (!wideBlock || !systemBlock || !OpenClipboard(mainWindow)) {
    if (wideBlock) GlobalFree(wideBlock);
    if (systemBlock) GlobalFree(systemBlock);
    return false;
  }
  EmptyClipboard();
  bool taken = OfferBlock(CF_UNICODETEXT, wideBlock);
  taken = OfferBlock(systemFormat, systemBlock) && taken;
  OfferBlock(CF_LOCALE, ClipboardBlock(&russian, sizeof russian, 0));
  OfferOwnBytes(bytes, view);
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
    utf8 = Utf8FromWide(WideFromBytes(bytes, CP_ACP));
  }
  return true;
}
