// The character table's text and the code-page dialog's routes.
#include <gtest/gtest.h>

#include <string>

#include "conversion/recoding_routes.h"
#include "editor/character_table_text.h"
#include "russian_texts.h"

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

// Every pair of the two lists carries the Russian alphabet from one code page into the other.
TEST(CodePageDialog, EveryPairOfListsRecodesTheAlphabet) {
  const char* iconvNames[codePageCount] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MACCYRILLIC"};
  const std::string alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  for (int source = 0; source < codePageCount; ++source) {
    for (int target = 0; target < codePageCount; ++target) {
      RecodingRoute route = ChosenRecodingRoute(static_cast<CodePage>(source), static_cast<CodePage>(target));
      std::string text = ConvertFromUtf8(alphabet, iconvNames[source]);
      RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), route.fromTable, route.toTable);
      EXPECT_EQ(text, ConvertFromUtf8(alphabet, iconvNames[target])) << iconvNames[source] << " to " << iconvNames[target];
      EXPECT_EQ(route.viewCodePage, -1);
    }
  }
}
