// The character table's text: seven rows of 32 codes with line breaks between.
#include <gtest/gtest.h>

#include <string>

#include "editor/character_table_text.h"

TEST(CharacterTable, SevenRowsOf32CodesFrom32To255) {
  const std::string text = CharacterTableText();
  ASSERT_EQ(text.size(), 236u);
  for (int code : {32, 63, 64, 127, 128, 224, 255}) {
    std::size_t at = static_cast<std::size_t>(code - 32 + (code / 32 - 1) * 2);  // two bytes per break before
    EXPECT_EQ(static_cast<unsigned char>(text[at]), code);
    if (code % 32 == 0 && code > 32) {
      EXPECT_EQ(text.substr(at - 2, 2), "\r\n") << code;
    }
  }
}
