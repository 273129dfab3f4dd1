// Find with case folding per code page and whole words; word breaks. The random programs
// compare finds (across storage blocks too) with a naive search, but one that takes the letters
// and their cases from the engine's own tables: which bytes are letters, and of which case, is pinned
// here, and against the reference's case pairs (engine_reference.h) in every view.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "codepages/unicode_maps.h"
#include "codepages/utf8.h"
#include "engine/document_engine.h"
#include "engine/text_find.h"
#include "engine_reference.h"
#include "engine_test_support.h"

namespace {

// `text` in the code page's bytes (UTF-8 for Utf8).
std::string Encoded(CodePage codePage, std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (codePage == Utf8) {
      char bytes[maxUtf8Length];
      out.append(bytes, EncodeUtf8(c, bytes));
    } else {
      out += static_cast<char>(UnicodeToByte(codePage, c));
    }
  }
  return out;
}

TextStorage StorageOf(const std::string& text) {
  TextStorage storage;
  storage.Append(reinterpret_cast<const unsigned char*>(text.data()), static_cast<Position>(text.size()));
  return storage;
}

}  // namespace

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
  // The first word of a UTF-8 file saved with a byte-order mark is whole: "дом".
  const std::string home = "\xD0\xB4\xD0\xBE\xD0\xBC";
  EXPECT_EQ(WithText("\xEF\xBB\xBF" + home, Utf8).Find({0, -1}, home, FindWholeWord), 3);
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
  // A UTF-8 byte-order mark is no part of the word "мир" after it, either way (a step back when
  // `to` is before `from`).
  const struct { CodePage codePage; std::string text; Position from, to; } words[] = {
      {Ansi, "\xEC\xE8\xF0\xA0\xE4\xEE\xEC", 0, 4}, {Oem, "\xAC\xA8\xE0\xA0\xC4\xC4\xA0", 0, 4},
      {Oem, "\xAC\xA8\xE0\xA0\xC4\xC4\xA0", 4, 6}, {Koi8, "\xCD\xC9\xD2 2024", 0, 4},
      {Utf8, "\xEF\xBB\xBF\xD0\xBC\xD0\xB8\xD1\x80 1", 0, 3}, {Utf8, "\xEF\xBB\xBF\xD0\xBC\xD0\xB8\xD1\x80 1", 10, 3},
  };
  for (const auto& w : words) {
    const WordMove move = w.to < w.from ? WordMove::Left : WordMove::Right;
    EXPECT_EQ(WithText(w.text, w.codePage).FindWordBreak(move, w.from), w.to) << w.text << " from " << w.from;
  }
}

// The scans test a chunk of starts at a time, and one by one the starts whose match runs into
// the next block. A word whose first and last letters (Yo, Ya) are in the other case is planted
// at every start around each block's end and at the text's ends, among the same letters in
// both cases; the first and the last match of ranges around it agree with the plain search.
TEST(EngineFind, MatchesAroundBlockEndsAndTextEndsInEachCodePageBothWays) {
  const std::u32string_view word = U"\u0451\u043B\u043A\u0430\u042F", planted = U"\u0401\u043B\u043A\u0430\u044F";
  const std::u32string_view filler = U"\u0451\u0401\u043B\u041B\u043A\u0430\u042F\u044F .";
  for (CodePage codePage : {Ansi, Oem, Koi8, Iso, Mac, Utf8}) {
    const std::string pattern = Encoded(codePage, word), match = Encoded(codePage, planted);
    std::mt19937 random(codePage);
    std::string text;
    while (text.size() < 2 * TextStorage::BlockCapacity + 100) text += Encoded(codePage, filler.substr(random() % filler.size(), 1));
    const auto length = static_cast<Position>(text.size()), size = static_cast<Position>(match.size());
    std::vector<Position> ends;  // where a block ends, the text's end included
    const TextStorage layout = StorageOf(text);
    for (Position at = 0; at < length; at = layout.SegmentAt(at).start + layout.SegmentAt(at).length) {
      ends.push_back(layout.SegmentAt(at).start + layout.SegmentAt(at).length);
    }
    ASSERT_GE(ends.size(), 3u) << codePage;
    ends.push_back(size);  // the text's start
    for (Position end : ends) {
      for (Position at = std::max(0, end - size - 1); at <= std::min(end + 1, length - size); ++at) {
        std::string plantedText = text;
        plantedText.replace(static_cast<std::size_t>(at), match.size(), match);
        const TextStorage storage = StorageOf(plantedText);
        const PositionRange ranges[] = {{0, length}, {std::max(0, at - 20), std::min(length, at + size + 20)}, {at, at + size}};
        for (const PositionRange& r : ranges) {
          for (std::uint32_t options : {0u, std::uint32_t{FindMatchCase}, std::uint32_t{FindWholeWord}}) {
            const std::string where = std::to_string(codePage) + " at " + std::to_string(at) + " options " + std::to_string(options);
            if (codePage == Utf8) {
              EXPECT_EQ(FindForwardUtf8(storage, r.start, r.end, pattern, options),
                        NaiveFindUtf8(plantedText, r.start, r.end, pattern, options)) << where;
              EXPECT_EQ(FindBackwardUtf8(storage, r.start, r.end, pattern, options),
                        NaiveFindUtf8(plantedText, r.start, r.end, pattern, options, true)) << where;
              continue;
            }
            const CharClasses& classes = CharClassesFor(codePage);
            const bool matchCase = (options & FindMatchCase) != 0, wholeWord = (options & FindWholeWord) != 0;
            EXPECT_EQ(FindForward(storage, classes, r.start, r.end, pattern, options),
                      NaiveFind(plantedText, r.start, r.end, pattern, matchCase, wholeWord, classes)) << where;
            EXPECT_EQ(FindBackward(storage, classes, r.start, r.end, pattern, options),
                      NaiveFind(plantedText, r.start, r.end, pattern, matchCase, wholeWord, classes, true)) << where;
          }
        }
      }
    }
  }
}

// Each character of Latin, Latin-1 and the Cyrillic block in UTF-8, and each byte of every code
// page, finds exactly itself and its case partner of the reference, wherever a view has both.
TEST(Utf8Find, EveryViewFoldsUnicodesCasePairsAndNothingElse) {
  for (CodePage codePage : {Ansi, Oem, Koi8, Iso, Mac, Utf8}) {
    std::string text;
    std::vector<ReferenceCharacter> characters;  // folded; a byte a code page leaves undefined is its own
    for (char32_t c = 1; c < (codePage == Utf8 ? 0x500u : 0x100u); ++c) {
      const char32_t meaning = codePage == Utf8 ? c : ByteToUnicode(codePage, static_cast<unsigned char>(c));
      const char32_t key = meaning == 0xFFFD ? brokenByte + c : FoldedForReference(meaning, false);
      characters.push_back({static_cast<Position>(text.size()), key});
      char bytes[maxUtf8Length] = {static_cast<char>(c)};
      text.append(bytes, codePage == Utf8 ? EncodeUtf8(c, bytes) : 1);
    }
    const DocumentEngine engine = WithText(text, codePage);
    for (std::size_t i = 0; i < characters.size(); ++i) {
      const auto start = static_cast<std::size_t>(characters[i].start);
      const std::size_t end = i + 1 < characters.size() ? static_cast<std::size_t>(characters[i + 1].start) : text.size();
      const std::string pattern = text.substr(start, end - start);
      std::vector<Position> expected, found;
      for (const ReferenceCharacter& c : characters) {
        if (c.key == characters[i].key) expected.push_back(c.start);
      }
      for (Position p = engine.Find({0, -1}, pattern, 0); p >= 0; p = engine.Find({p + 1, -1}, pattern, 0)) {
        found.push_back(p);
      }
      EXPECT_EQ(found, expected) << codePage << " at " << start;
    }
  }
}
