// Blocks the clipboard takes: movable memory holding a copy of some bytes.
#pragma once
#include <windows.h>

#include <cstddef>

// A movable block holding `size` bytes from `data` followed by `zeroSize` zero
// bytes; null without memory.
HGLOBAL ClipboardBlock(const void* data, std::size_t size, std::size_t zeroSize);

// The open clipboard takes `block` as `format`; false, the block freed, when
// it does not (or when there is no block).
bool OfferBlock(UINT format, HGLOBAL block);
