#include "editor/text_limit.h"

#include <limits>

int32_t TextLimitFromPhysicalMemory(uint64_t totalPhysicalBytes) {
  constexpr uint64_t largest = std::numeric_limits<int32_t>::max();
  uint64_t limit = (totalPhysicalBytes / 2) | 0xFFFFF;
  return static_cast<int32_t>(limit < largest ? limit : largest);
}

int32_t TextLimitFromMemory(uint64_t totalPhysicalBytes, uint64_t addressSpaceBytes) {
  int32_t physical = TextLimitFromPhysicalMemory(totalPhysicalBytes);
  int32_t space = TextLimitFromPhysicalMemory(addressSpaceBytes);
  return physical < space ? physical : space;
}
