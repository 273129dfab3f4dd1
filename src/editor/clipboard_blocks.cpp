#include "editor/clipboard_blocks.h"

#include <cstring>

HGLOBAL ClipboardBlock(const void* data, std::size_t size, std::size_t zeroSize) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + zeroSize);
  if (!block) return nullptr;
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  if (size > 0) std::memcpy(bytes, data, size);
  GlobalUnlock(block);
  return block;
}

bool OfferBlock(UINT format, HGLOBAL block) {
  if (!block) return false;
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}
