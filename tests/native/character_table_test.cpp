#include <gtest/gtest.h>

#include <string>

#include "editor/character_table_text.h"

TEST(CharacterTable, SevenRowsOf32CodesFrom32To255WithLineBreaksBetween) {
  const std::string text = CharacterTableText();
  ASSERT_EQ(text.size(), 236u);
  for (int row = 0; row < 7; ++row) {
    std::string codes;
    for (int code = 32 * (row + 1); code < 32 * (row + 2); ++code) codes += static_cast<char>(code);
    EXPECT_EQ(text.substr(row * 34u, 34), codes + (row < 6 ? "\r\n" : "")) << "row " << row;
  }
}
