#include <gtest/gtest.h>

#include <cstdint>

#include "editor/text_limit.h"

// Half the physical memory with the low 20 bits set, and never more than half the address space: a
// 32-bit process reads a new text in beside the old one within its 2 GB (4 GB when large-address-aware).
// Halves at and above 2 GB wrapped round when done in signed 32 bits.
TEST(TextLimit, HalfThePhysicalMemoryWithTheLow20BitsSetAndNeverNegative) {
  constexpr int32_t largest = 0x7FFFFFFF;
  const struct { uint64_t memory, addressSpace; int32_t limit; } cases[] = {
      {0, 4ull << 30, 0xFFFFF}, {(512u << 20) + 12345, 4ull << 30, (256 << 20) | 0xFFFFF},
      {2ull << 30, 4ull << 30, (1 << 30) | 0xFFFFF}, {3ull << 30, 4ull << 30, (3 << 29) | 0xFFFFF},
      {0xFFFFFFFFull, 4ull << 30, largest},  // "more than 4 GB" from the old call
      {UINT64_MAX, 128ull << 40, largest}, {16ull << 30, 2ull << 30, (1 << 30) | 0xFFFFF},
      {1ull << 30, 2ull << 30, (1 << 29) | 0xFFFFF},
  };
  for (const auto& c : cases) EXPECT_EQ(TextLimitFromMemory(c.memory, c.addressSpace), c.limit) << c.memory;
}
