// Find with case folding per code page and whole words; word breaks. The random programs
// compare finds (across storage blocks too) with a naive search, but one that takes the letters
// and their cases from the engine's own tables: which bytes are letters, and of which case, is pinned here.
#include <gtest/gtest.h>

#include <string>

#include "engine/document_engine.h"
#include "engine_test_support.h"

TEST(EngineFind, CyrillicCaseFoldsInEachCodePageYoIncludedAndUnderscoreSeparatesWords) {
  // "Ёлка Ель", the pattern "ёЛ", and "е" that must not find "Ё": found at 0, not with case, and at 5.
  const struct { CodePage codePage; std::string text, pattern; } cases[] = {
      {Ansi, "\xA8\xEB\xEA\xE0 \xC5\xEB\xFC", "\xB8\xCB"},
      {Oem, "\xF0\xAB\xAA\xA0 \x85\xAB\xEC", "\xF1\x8B"},
      {Koi8, "\xB3\xCC\xCB\xC1 \xE5\xCC\xD8", "\xA3\xEC"},
  };
  for (const auto& c : cases) {
    DocumentEngine engine = WithText(c.text, c.codePage);
    EXPECT_EQ(engine.Find({0, -1}, c.pattern, 0), 0) << c.codePage;
    EXPECT_EQ(engine.Find({0, -1}, c.pattern, FindMatchCase), -1) << c.codePage;
    EXPECT_EQ(engine.Find({0, -1}, c.text.substr(5, 1), 0), 5) << c.codePage;
  }
  // The same bytes are other letters in another code page: "Р" and "р" in DOS-866.
  EXPECT_EQ(WithText("\x90", Oem).Find({0, -1}, "\xE0", 0), 0);
  EXPECT_EQ(WithText("\x90", Ansi).Find({0, -1}, "\xE0", 0), -1);
  DocumentEngine engine = WithText("cat concat cat_ cat2 cat");
  EXPECT_EQ(engine.Find({1, -1}, "cat", FindWholeWord), 11);
  EXPECT_EQ(engine.Find({12, -1}, "cat", FindWholeWord), 21);
}

TEST(EngineWords, CtrlArrowStopsAtWordStartsAndLineBreaksAndLettersOfTheCodePageFormWords) {
  //                                0    5    10        20
  DocumentEngine engine = WithText("foo  bar, baz...\r\n  qx09\rend");
  const Position right[][2] = {{0, 5},   {5, 8},   {8, 10},  {10, 13}, {13, 16}, {16, 20},
                               {20, 24}, {24, 25}, {25, 28}, {28, 28}, {99, 28}};
  for (const auto& step : right) EXPECT_EQ(engine.FindWordBreak(WordMove::Right, step[0]), step[1]) << step[0];
  const Position left[][2] = {{28, 25}, {25, 24}, {24, 20}, {20, 16}, {17, 16}, {16, 13},
                              {13, 10}, {10, 8},  {8, 5},   {3, 0},   {0, 0},   {-4, 0}};
  for (const auto& step : left) EXPECT_EQ(engine.FindWordBreak(WordMove::Left, step[0]), step[1]) << step[0];
  // "мир дом" with a no-break space in Windows-1251, where 0xA0 is a blank; in DOS-866 the
  // same 0xA0 is the letter "а", and 0xC4 a box-drawing line. Digits, 0 too, are word bytes.
  const struct { CodePage codePage; std::string text; Position from, to; } words[] = {
      {Ansi, "\xEC\xE8\xF0\xA0\xE4\xEE\xEC", 0, 4}, {Oem, "\xAC\xA8\xE0\xA0\xC4\xC4\xA0", 0, 4},
      {Oem, "\xAC\xA8\xE0\xA0\xC4\xC4\xA0", 4, 6}, {Koi8, "\xCD\xC9\xD2 2024", 0, 4},
  };
  for (const auto& w : words) {
    EXPECT_EQ(WithText(w.text, w.codePage).FindWordBreak(WordMove::Right, w.from), w.to) << w.text;
  }
}
