// What the dialogs show and do without a window: the character table's text,
// the font sample in each code page and the code-page dialog's routes.
#include <gtest/gtest.h>

#include <string>

#include "conversion/font_sample.h"
#include "conversion/recoding_routes.h"
#include "editor/character_table_text.h"
#include "russian_texts.h"

namespace {

constexpr const char* iconvNames[codePageCount] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MACCYRILLIC"};

}  // namespace

TEST(CharacterTable, SevenRowsOf32CodesFrom32To255) {
  std::string text = CharacterTableText();
  ASSERT_EQ(text.size(), 236u);
  std::string expected;
  for (int row = 1; row <= 7; ++row) {
    if (row > 1) expected += "\r\n";
    for (int code = 32 * row; code < 32 * row + 32; ++code) expected += static_cast<char>(code);
  }
  EXPECT_EQ(text, expected);
  EXPECT_EQ(text.find("\r\n"), 32u);  // before 64
  EXPECT_EQ(text.rfind("\r\n"), 32u * 6 + 2 * 5);  // before 224
}

// The same picture in each view code page; Windows-1251 has only look-alikes for the frame.
TEST(FontSample, ShowsTheSameWordAndFaceInEachCodePage) {
  const std::string utf8 = "Face Рожица?\r\n ╔═════╗\r\n ║ ° ° ║\r\n ║  ┴  ║\r\n ║ ╚═╝ ║\r\n ╚═════╝\r\n  ╨   ╨";
  EXPECT_EQ(FontSampleText(Oem), ConvertFromUtf8(utf8, "CP866"));
  EXPECT_EQ(FontSampleText(Koi8), ConvertFromUtf8(utf8, "KOI8-R"));
  const std::string ansi = "Face Рожица?\r\n г=====¬\r\n ¦ ° ° ¦\r\n ¦  +  ¦\r\n ¦ L=- ¦\r\n L=====-\r\n  ¦   ¦";
  EXPECT_EQ(FontSampleText(Ansi), ConvertFromUtf8(ansi, "CP1251"));
}

// Every pair of the two lists carries the Russian alphabet from one code page into the other.
TEST(CodePageDialog, EveryPairOfListsRecodesTheAlphabet) {
  const std::string alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  for (int source = 0; source < codePageCount; ++source) {
    for (int target = 0; target < codePageCount; ++target) {
      RecodingRoute route = ChosenRecodingRoute(static_cast<CodePage>(source), static_cast<CodePage>(target));
      EXPECT_EQ(route.viewCodePage, -1);
      std::string text = ConvertFromUtf8(alphabet, iconvNames[source]);
      RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), route.fromTable, route.toTable);
      EXPECT_EQ(text, ConvertFromUtf8(alphabet, iconvNames[target])) << iconvNames[source] << " to " << iconvNames[target];
    }
  }
}
