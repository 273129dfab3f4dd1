// Find with case folding per code page and whole words; word breaks.
#include <gtest/gtest.h>

#include <string>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"
#include "editor/engine/text_storage.h"

TEST(EngineFind, CyrillicCaseFoldsInEachCodePageYoIncluded) {
  // "Ёлка Ель" and the pattern "ёЛ" in Windows-1251, DOS-866 and KOI8-R.
  struct Case {
    CodePage codePage;
    std::string text;
    std::string pattern;
  };
  const Case cases[] = {
      {Ansi, "\xA8\xEB\xEA\xE0 \xC5\xEB\xFC", "\xB8\xCB"},
      {Oem, "\xF0\xAB\xAA\xA0 \x85\xAB\xEC", "\xF1\x8B"},
      {Koi8, "\xB3\xCC\xCB\xC1 \xE5\xCC\xD8", "\xA3\xEC"},
  };
  for (const Case& c : cases) {
    DocumentEngine engine = WithText(c.text, c.codePage);
    EXPECT_EQ(engine.Find({0, -1}, c.pattern, 0), 0) << c.codePage;
    EXPECT_EQ(engine.Find({0, -1}, c.pattern, FindMatchCase), -1) << c.codePage;
    // E and Yo are different letters: "е" does not find "Ё".
    EXPECT_EQ(engine.Find({0, -1}, c.text.substr(5, 1), 0), 5) << c.codePage;
  }
  // The same bytes are other letters in another code page: "Р" and "р" in DOS-866.
  EXPECT_EQ(WithText("\x90", Oem).Find({0, -1}, "\xE0", 0), 0);
  EXPECT_EQ(WithText("\x90", Ansi).Find({0, -1}, "\xE0", 0), -1);
}

// Plain ranges and whole words over letters are compared with a model on random edits.
TEST(EngineFind, UnderscoreSeparatesWordsAndEdgeArguments) {
  DocumentEngine engine = WithText("cat concat cat_ cat2 cat");
  EXPECT_EQ(engine.Find({1, -1}, "cat", FindWholeWord), 11);
  EXPECT_EQ(engine.Find({12, -1}, "cat", FindWholeWord), 21);
  EXPECT_EQ(engine.Find({-5, -1}, "cat", 0), 0);
  EXPECT_EQ(engine.Find({10, 5}, "cat", 0), -1);
  EXPECT_EQ(engine.Find({0, -1}, "", 0), -1);
}

TEST(EngineFind, MatchesThatStraddleStorageBlocks) {
  // A stream fills blocks of BlockFill bytes: plant a word across each edge.
  std::string text(3 * TextStorage::BlockCapacity, '.');
  std::size_t edges = 0;
  for (std::size_t edge = TextStorage::BlockFill; edge < text.size(); edge += TextStorage::BlockFill, ++edges) {
    text.replace(edge - 2, 4, "Word");
  }
  DocumentEngine engine = WithText(text);
  std::size_t count = 0;
  for (Position found = -1; (found = engine.Find({found + 1, -1}, "wORD", FindWholeWord)) >= 0; ++count) {
    EXPECT_EQ((found + 2) % TextStorage::BlockFill, 0) << found;
  }
  EXPECT_EQ(count, edges);
  EXPECT_EQ(engine.Find({0, TextStorage::BlockFill + 1}, "Word", FindMatchCase), -1);
}

TEST(EngineWords, CtrlArrowStopsAtWordStartsAndLineBreaks) {
  //                     0    5    10        20
  DocumentEngine engine = WithText("foo  bar, baz...\r\n  qux9\rend");
  const Position right[][2] = {{0, 5}, {5, 8}, {8, 10}, {10, 13}, {13, 16}, {16, 20}, {20, 24}, {24, 25}, {25, 28}, {28, 28}};
  for (const auto& step : right) EXPECT_EQ(engine.FindWordBreak(WordMove::Right, step[0]), step[1]) << step[0];
  const Position left[][2] = {{28, 25}, {25, 24}, {24, 20}, {20, 16}, {17, 16}, {16, 13}, {13, 10}, {10, 8}, {8, 5}, {3, 0}, {0, 0}};
  for (const auto& step : left) EXPECT_EQ(engine.FindWordBreak(WordMove::Left, step[0]), step[1]) << step[0];
  EXPECT_EQ(engine.FindWordBreak(WordMove::Right, 99), 28);
  EXPECT_EQ(engine.FindWordBreak(WordMove::Left, -4), 0);
}

TEST(EngineWords, LettersOfTheCodePageFormWords) {
  // "мир дом" with a no-break space in Windows-1251: 0xA0 is a blank there.
  DocumentEngine ansi = WithText("\xEC\xE8\xF0\xA0\xE4\xEE\xEC", Ansi);
  EXPECT_EQ(ansi.FindWordBreak(WordMove::Right, 0), 4);
  // In DOS-866 the same 0xA0 is the letter "а", and 0xC4 a box-drawing line.
  DocumentEngine oem = WithText("\xAC\xA8\xE0\xA0\xC4\xC4\xA0", Oem);
  EXPECT_EQ(oem.FindWordBreak(WordMove::Right, 0), 4);
  EXPECT_EQ(oem.FindWordBreak(WordMove::Right, 4), 6);
  EXPECT_EQ(WithText("\xCD\xC9\xD2 2024", Koi8).FindWordBreak(WordMove::Right, 0), 4);
}
