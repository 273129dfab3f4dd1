// Find in the UTF-8 view against NaiveFindUtf8, which decodes, folds and compares characters:
// matches start and end at characters, fold Unicode's case pairs of Latin, Latin-1 and the
// Cyrillic block as every code page does and, for whole word, touch no letter of any script.
// Mixed scripts, a byte-order mark and broken bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codepages/unicode_maps.h"
#include "codepages/utf8.h"
#include "engine/document_engine.h"
#include "engine_reference.h"
#include "engine_test_support.h"

namespace {

// Small and capital forms side by side, then what has no case, then broken bytes.
const char* const tokens[] = {
    "\xD0\xB0", "\xD0\x90", "\xD1\x91", "\xD0\x81", "\xD1\x80", "\xD0\xA0", "\xD1\x8F", "\xD0\xAF",  // а А ё Ё р Р я Я
    "\xD1\x90", "\xD0\x80", "\xD1\x9F", "\xD0\x8F", "a",        "A",        "z",        "Z",         // ѐ Ѐ џ Џ
    "\xD0\xB5", "\xD0\x95", "\xD2\x91", "\xD2\x90", " ",     "\r\n",   "_",        "7",         // е Е ґ Ґ
    ".", "\xC3\x9F", "\xCE\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "\xE2\x80\x8B",      // ß Ω 中 😀, BOM, ZWSP
    "\x80", "\xBF", "\xD0", "\xF0\x9F", "\xC0",
};
constexpr std::size_t casePairs = 10;  // tokens [0, 2 * casePairs) pair up by case

}  // namespace

TEST(Utf8Find, MatchesWholeCharactersFoldedAsTheReferenceFoldsThemForwardsAndBackwards) {
  std::mt19937 random(2026);
  auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  constexpr std::size_t tokenCount = sizeof tokens / sizeof tokens[0];
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::size_t> picked;
    std::string text;
    for (std::size_t k = below(40); k > 0; --k) {
      picked.push_back(below(tokenCount));
      text += tokens[picked.back()];
    }
    // The pattern: a run of the text's tokens with their case swapped now and then, or any
    // run of its bytes (cutting characters), or tokens of its own.
    std::string pattern;
    if (!picked.empty() && round % 3 == 0) {
      std::size_t first = below(picked.size()), last = first + below(std::min<std::size_t>(4, picked.size() - first));
      for (std::size_t k = first; k <= last; ++k) {
        std::size_t token = picked[k];
        if (token < 2 * casePairs && below(2) == 0) token ^= 1;
        pattern += tokens[token];
      }
    } else if (!text.empty() && round % 3 == 1) {
      std::size_t first = below(text.size());
      pattern = text.substr(first, 1 + below(6));
    } else {
      for (std::size_t k = 1 + below(3); k > 0; --k) pattern += tokens[below(tokenCount)];
    }
    // Two inserts, so a match may cross storage blocks.
    std::size_t cut = text.empty() ? 0 : below(text.size() + 1);
    DocumentEngine engine;
    ASSERT_TRUE(engine.SetText(text.substr(cut)));
    engine.SetSelection(0, 0);
    ASSERT_TRUE(engine.ReplaceSelection(text.substr(0, cut)));
    engine.SetCodePage(Utf8);
    ASSERT_EQ(engine.GetText(), text);

    const auto length = static_cast<Position>(text.size());
    const Position from = length == 0 ? 0 : static_cast<Position>(below(text.size())) / 2;
    const Position to = length - (length == 0 ? 0 : static_cast<Position>(below(text.size())) / 2);
    for (std::uint32_t options : {0u, std::uint32_t{FindWholeWord}, std::uint32_t{FindMatchCase}, FindWholeWord | FindMatchCase}) {
      EXPECT_EQ(engine.Find({from, to}, pattern, options), NaiveFindUtf8(text, from, to, pattern, options))
          << round << " " << options;
      EXPECT_EQ(engine.FindLast({from, to}, pattern, options), NaiveFindUtf8(text, from, to, pattern, options, true))
          << round << " " << options;
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
