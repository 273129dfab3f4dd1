#include "editor/own_clipboard.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "base/globals.h"

namespace {

// What the block starts with; the bytes follow.
struct OwnBytesHeader {
  std::uint32_t codePage;
  std::uint32_t length;
};

UINT OwnFormat() {
  static const UINT format = RegisterClipboardFormatW(L"Zorn2 document bytes");
  return format;
}

// The bytes of a block another window of the program put there; any program
// can offer the format, so the length is checked against the block.
bool BytesOfBlock(HANDLE data, CodePage view, std::string& bytes) {
  const auto* block = static_cast<const unsigned char*>(GlobalLock(data));
  if (!block) return false;
  OwnBytesHeader header{};
  const SIZE_T size = GlobalSize(data);
  bool ours = size >= sizeof header;
  if (ours) {
    std::memcpy(&header, block, sizeof header);
    ours = header.codePage == static_cast<std::uint32_t>(view) && header.length <= size - sizeof header;
  }
  try {
    if (ours) bytes.assign(reinterpret_cast<const char*>(block) + sizeof header, header.length);
  } catch (...) {
    GlobalUnlock(data);
    throw;
  }
  GlobalUnlock(data);
  return ours;
}

}  // namespace

bool OfferOwnBytes(std::string_view bytes, CodePage view) {
  const OwnBytesHeader header{static_cast<std::uint32_t>(view), static_cast<std::uint32_t>(bytes.size())};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof header + bytes.size());
  if (!block) return false;
  auto* data = static_cast<unsigned char*>(GlobalLock(block));
  if (!data) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(data, &header, sizeof header);
  if (!bytes.empty()) std::memcpy(data + sizeof header, bytes.data(), bytes.size());
  GlobalUnlock(block);
  if (SetClipboardData(OwnFormat(), block)) return true;
  GlobalFree(block);
  return false;
}

bool ReadOwnBytes(CodePage view, std::string& bytes) {
  if (!IsClipboardFormatAvailable(OwnFormat()) || !OpenClipboard(mainWindow)) return false;
  struct Closer {
    ~Closer() { CloseClipboard(); }
  } closer;
  HANDLE data = GetClipboardData(OwnFormat());
  return data && BytesOfBlock(data, view, bytes);
}
