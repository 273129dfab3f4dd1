#include <gtest/gtest.h>

#include <cstdint>

#include "editor/text_limit.h"

// Halves at and above 2 GB wrapped round when done in signed 32 bits.
TEST(TextLimit, HalfThePhysicalMemoryWithTheLow20BitsSetAndNeverNegative) {
  constexpr int32_t largest = 0x7FFFFFFF;
  EXPECT_EQ(TextLimitFromPhysicalMemory(0), 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory((512u << 20) + 12345), (256 << 20) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(2ull << 30), (1 << 30) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(3ull << 30), (3 << 29) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(0xFFFFFFFFull), largest);  // "more than 4 GB" from the old call
  EXPECT_EQ(TextLimitFromPhysicalMemory(4ull << 30), largest);
  EXPECT_EQ(TextLimitFromPhysicalMemory(UINT64_MAX), largest);
}

// A 32-bit process reads a new text in beside the old one within its 2 GB
// (4 GB when large-address-aware): half of that is the most it can take.
TEST(TextLimit, NeverMoreThanHalfTheAddressSpace) {
  EXPECT_EQ(TextLimitFromMemory(16ull << 30, 2ull << 30), (1 << 30) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromMemory(16ull << 30, 4ull << 30), 0x7FFFFFFF);
  EXPECT_EQ(TextLimitFromMemory(1ull << 30, 2ull << 30), (1 << 29) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromMemory(16ull << 30, 128ull << 40), 0x7FFFFFFF);
}
