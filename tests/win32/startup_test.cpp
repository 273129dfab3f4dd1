#include <gtest/gtest.h>
TEST(Startup, Placeholder) { EXPECT_TRUE(true); }
