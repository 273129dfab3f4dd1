#include <gtest/gtest.h>

#include <cstdint>

#include "editor/text_limit.h"

TEST(TextLimit, HalfThePhysicalMemoryWithTheLow20BitsSet) {
  EXPECT_EQ(TextLimitFromPhysicalMemory(0), 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(1), 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(64u << 20), (32 << 20) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory((512u << 20) + 12345), (256 << 20) | 0xFFFFF);
}

// These figures wrapped round in a signed 32-bit halving.
TEST(TextLimit, LargeMemoryStaysPositiveAndLarge) {
  constexpr int32_t largest = 0x7FFFFFFF;
  EXPECT_EQ(TextLimitFromPhysicalMemory(2ull << 30), (1 << 30) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(3ull << 30), (3 << 29) | 0xFFFFF);
  EXPECT_EQ(TextLimitFromPhysicalMemory(0xFFFFFFFFull), largest);  // "more than 4 GB" from the old call
  EXPECT_EQ(TextLimitFromPhysicalMemory(4ull << 30), largest);
  EXPECT_EQ(TextLimitFromPhysicalMemory(64ull << 30), largest);
  EXPECT_EQ(TextLimitFromPhysicalMemory(UINT64_MAX), largest);
}
