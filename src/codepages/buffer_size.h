// Sizes of buffers worked out from other sizes. In a 32-bit process size_t
// wraps at 4 GB, and a container asked for more than its max_size() throws
// std::length_error, which callers that handle running out of memory do not
// expect. Both are refused here as what they are: memory that cannot be had.
#pragma once
#include <cstddef>
#include <new>

// count * each + extra, or std::bad_alloc when that exceeds `most` (the
// max_size() of the container to be sized).
inline std::size_t BufferSize(std::size_t count, std::size_t each, std::size_t extra, std::size_t most) {
  if (extra > most || (each != 0 && count > (most - extra) / each)) throw std::bad_alloc();
  return count * each + extra;
}
