#include "editor/text_limit.h"

#include <limits>

int32_t TextLimitFromPhysicalMemory(uint64_t totalPhysicalBytes) {
  constexpr uint64_t largest = std::numeric_limits<int32_t>::max();
  uint64_t limit = (totalPhysicalBytes / 2) | 0xFFFFF;
  return static_cast<int32_t>(limit < largest ? limit : largest);
}
