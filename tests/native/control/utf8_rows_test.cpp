// Characters of the UTF-8 view: the engine's character steps and word moves,
// and the rows laid out over them, on random texts of Cyrillic, Latin, CJK,
// characters beyond U+FFFF and broken bytes. The reference decoder says where the
// characters are; the rows must be those of the same text with every
// character made one byte of the same width, laid out in a single-byte view.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "control/row_layout.h"
#include "engine/rtf_reader.h"
#include "engine_reference.h"
#include "unit_rows.h"

namespace {

struct Character {
  Position start;
  Position length;
  char32_t code;  // a broken byte's is the byte
  bool valid;
};

std::vector<Character> ReferenceCharacters(const std::string& s) {
  const std::vector<ReferenceCharacter> decoded = DecodeForReference(s);
  std::vector<Character> characters;
  for (std::size_t k = 0; k + 1 < decoded.size(); ++k) {
    const bool valid = decoded[k].key < brokenByte;
    characters.push_back({decoded[k].start, decoded[k + 1].start - decoded[k].start,
                          valid ? decoded[k].key : decoded[k].key - brokenByte, valid});
  }
  return characters;
}

// Widths of the wide characters: 1 to 3 pixels by code point; a broken byte's mark is 2.
constexpr int MarkWidth = 2;
int WidthOf(char32_t c) { return 1 + static_cast<int>(c % 3); }

struct Utf8Document : Document {
  CharacterWidths widths{[](char32_t first, std::size_t count, int* out) {
    for (std::size_t i = 0; i < count; ++i) out[i] = WidthOf(first + static_cast<char32_t>(i));
  }};
  explicit Utf8Document(const std::string& text) : Document(text) {
    engine.SetCodePage(Utf8);
    for (int b = 0x80; b < 0x100; ++b) metrics.byteWidth[b] = MarkWidth;
    metrics.characterWidths = &widths;
  }
};

// The text with every character one byte: ASCII as it is, a wide character as
// 0x80 + its width, a broken byte as 0xF0, with those widths.
Document Projected(const std::vector<Character>& characters) {
  std::string bytes;
  for (const Character& c : characters) {
    if (c.length == 1 && c.code < 0x80) {
      bytes += static_cast<char>(c.code);
    } else {
      bytes += static_cast<char>(c.valid ? 0x80 + WidthOf(c.code) : 0xF0);
    }
  }
  Document projected(bytes);
  for (int w = 1; w <= 3; ++w) projected.metrics.byteWidth[0x80 + w] = w;
  projected.metrics.byteWidth[0xF0] = MarkWidth;
  return projected;
}

std::string RandomText(std::mt19937& random, int pieces) {
  static const char* const kinds[] = {
      "a", "Z", " ", "\t", "\r\n", "\n", "\xD0\x96", "\xD1\x8F",  // Cyrillic
      "\xE4\xB8\xAD", "\xE6\x96\x87",                             // CJK
      "\xF0\x9F\x98\x80", "\xF0\x90\x8D\x88",                     // beyond U+FFFF
      "\x80", "\xBF", "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xFF", "\xC0\xAF",  // stray, cut, never valid
      "\xED\xA0\x80", "\xE0\x80\x80", "\xF4\x90\x80\x80",                     // surrogate, overlong, too high
  };
  std::string text;
  for (int i = 0; i < pieces; ++i) text += kinds[random() % std::size(kinds)];
  return text;
}

TEST(Utf8Characters, StepsCountsAndWordMovesStopOnlyAtTheReferenceStarts) {
  std::mt19937 random(11);
  for (int round = 0; round < 60; ++round) {
    const std::string text = RandomText(random, static_cast<int>(random() % 80));
    Utf8Document doc(text);
    const std::vector<Character> characters = ReferenceCharacters(text);
    const auto length = static_cast<Position>(text.size()), count = static_cast<Position>(characters.size());
    std::vector<Position> indexOf;  // of the character holding each position; the end's is `count`
    for (Position k = 0; k < count; ++k) indexOf.insert(indexOf.end(), characters[k].length, k);
    indexOf.push_back(count);
    auto start = [&](Position k) { return k < count ? characters[k].start : length; };
    auto isStart = [&](Position p) { return start(indexOf[p]) == p; };
    const DocumentEngine& engine = doc.engine;
    for (Position p = 0; p <= length; ++p) {
      Position k = indexOf[p];
      ASSERT_EQ(engine.CharacterStart(p), start(k)) << round << " at " << p;
      ASSERT_EQ(engine.NextCharacter(p), start(std::min(k + 1, count)));
      ASSERT_EQ(engine.PreviousCharacter(p), start(std::max(k - 1, 0))) << round << " at " << p;
      ASSERT_EQ(engine.CountCharacters({0, p}), k + (isStart(p) ? 0 : 1)) << round << " at " << p;
      ASSERT_EQ(engine.CountCharacters({p, length}), count - k - (isStart(p) ? 0 : 1)) << round << " from " << p;
      for (WordMove move : {WordMove::Left, WordMove::Right}) {
        Position word = engine.FindWordBreak(move, p);
        ASSERT_TRUE(isStart(word)) << round << " word move from " << p << " to " << word;
        ASSERT_TRUE(move == WordMove::Right ? word > p || p == length : word < p || p == 0);
      }
    }
  }
}

TEST(Utf8Characters, WordMovesKnowBlanksAndLettersBeyondLatin1) {
  // Cyrillic and CJK are words; a no-break space and an ideographic space are blanks; dashes are not words.
  Utf8Document doc("\xD0\xB4\xD0\xBE\xD0\xBC\xC2\xA0\xE4\xB8\xAD\xE6\x96\x87\xE3\x80\x80\xE2\x80\x94x");
  Position p = 0;
  for (Position word : {8, 17, 20}) EXPECT_EQ(p = doc.engine.FindWordBreak(WordMove::Right, p), word);
  EXPECT_EQ(doc.engine.FindWordBreak(WordMove::Left, 20), 17);
  EXPECT_EQ(doc.engine.FindWordBreak(WordMove::Left, 17), 8);
}

TEST(Utf8Characters, RtfComesInAsUtf8) {
  EXPECT_EQ(RtfToText(R"({\rtf1\ansi\ansicpg1251 \u1046?\'e0 \u8212?})", Utf8), "\xD0\x96\xD0\xB0 \xE2\x80\x94");
}

TEST(Utf8Rows, AreTheRowsOfTheTextWithEveryCharacterOneByte) {
  std::mt19937 random(5);
  for (int round = 0; round < 50; ++round) {
    const std::string text = RandomText(random, static_cast<int>(random() % 120));
    Utf8Document doc(text);
    const std::vector<Character> characters = ReferenceCharacters(text);
    const Document projected = Projected(characters);
    auto bytePosition = [&](Position index) {
      return index < static_cast<Position>(characters.size()) ? characters[index].start : doc.engine.GetLength();
    };
    for (int width : {0, 1, 4, 9}) {
      RowLayout layout = doc.Layout(width), model = projected.Layout(width);
      Row row = layout.RowAt(0), modelRow = model.RowAt(0);
      for (;;) {
        auto mapped = [&](const Row& r) {
          return Row{bytePosition(r.start), bytePosition(r.end), bytePosition(r.next), r.hardEnd, r.last};
        };
        ASSERT_EQ(row, mapped(modelRow)) << "text " << round << " width " << width;
        ASSERT_EQ(layout.CaretEnd(row), bytePosition(model.CaretEnd(modelRow)));
        for (Position i = modelRow.start; i <= modelRow.end; ++i) {
          ASSERT_EQ(layout.XOf(row, bytePosition(i)), model.XOf(modelRow, i));
          ASSERT_EQ(layout.RowAt(bytePosition(i)).start, i < modelRow.next || row.last ? row.start : row.next);
        }
        for (std::int64_t x = -1; x <= model.Width(modelRow) + 2; ++x) {
          ASSERT_EQ(layout.PositionAtX(row, x), bytePosition(model.PositionAtX(modelRow, x)));
          std::int64_t left = 0, modelLeft = 0;
          ASSERT_EQ(layout.ByteAtX(row, x, left), bytePosition(model.ByteAtX(modelRow, x, modelLeft)));
          ASSERT_EQ(left, modelLeft);
        }
        Row next, modelNext;
        bool more = layout.NextRow(row, next);
        ASSERT_EQ(more, model.NextRow(modelRow, modelNext));
        if (!more) break;
        Row back;
        ASSERT_TRUE(layout.PreviousRow(next, back));
        ASSERT_EQ(back, row);
        row = next, modelRow = modelNext;
      }
    }
  }
}

TEST(Utf8Rows, SegmentsOfALongLineStartOnCharacters) {
  constexpr Position S = RowLayout::SegmentLength;
  // Three-byte characters and a two-byte one shift every segment boundary into a character.
  std::string line;
  while (static_cast<Position>(line.size()) < 3 * S) line += "\xE4\xB8\xAD\xE6\x96\x87 \xD0\x96\xF0\x9F\x98\x80\x80 ";
  Utf8Document doc("x\n" + line + "\nend");
  const std::vector<Character> characters = ReferenceCharacters(doc.engine.GetText());
  std::vector<bool> isStart(doc.engine.GetLength() + 1, false);
  for (const Character& c : characters) isStart[c.start] = true;
  isStart.back() = true;
  RowLayout layout = doc.Layout(50);
  Row row = layout.RowAt(0), next;
  std::int64_t rows = 1;
  while (layout.NextRow(row, next)) {
    ASSERT_TRUE(isStart[next.start]) << next.start;
    ASSERT_EQ(next.start, row.next);
    for (Position p : {next.start, next.start + 1, layout.CaretEnd(next)}) ASSERT_EQ(layout.RowAt(p).start, next.start) << p;
    row = next;
    ++rows;
  }
  EXPECT_EQ(row.start, doc.engine.GetLength() - 3);
  EXPECT_GT(rows, 3 * S / 100);
  // Unwrapped, the x cache of the long line gives what a walk from its start gives.
  LineXCache cache;
  RowLayout plain = doc.Layout(0), cached(doc.engine, doc.metrics, 0, &cache);
  const Row long_ = plain.RowAt(2);
  for (Position p : {long_.start + 2 * S + 1, long_.start + S - 1, long_.end}) {
    ASSERT_EQ(cached.XOf(long_, p), plain.XOf(long_, p)) << p;
    std::int64_t x = plain.XOf(long_, p);
    ASSERT_EQ(cached.PositionAtX(long_, x), plain.PositionAtX(long_, x));
    EXPECT_TRUE(isStart[cached.PositionAtX(long_, x)]);
  }
}

TEST(Utf8Rows, RowsKeptAcrossEditsAreTheRowsOfAFreshLayout) {
  std::mt19937 random(13);
  Utf8Document doc("");
  ExpectRowsKeptAcrossEditsAsFresh(doc, random, [&] {
    std::string piece = RandomText(random, 1);
    // Lines long enough for segments.
    return piece.find('\n') != std::string::npos && random() % 30 != 0 ? std::string("a") : piece;
  });
}

}  // namespace
