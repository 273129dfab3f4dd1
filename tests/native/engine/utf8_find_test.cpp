// Find in the UTF-8 view against a reference that decodes the text into characters (a byte
// that starts no valid sequence being one of its own), folds each and compares characters:
// matches start and end at characters, fold Latin and Cyrillic (Yo and U+0400..U+045F too)
// and, for whole word, touch no letter of any script.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codepages/utf8.h"
#include "engine/char_classes.h"
#include "engine/document_engine.h"

namespace {

// Small and capital forms side by side, then what has no case, then broken bytes.
const char* const tokens[] = {
    "\xD0\xB0", "\xD0\x90", "\xD1\x91", "\xD0\x81", "\xD1\x80", "\xD0\xA0", "\xD1\x8F", "\xD0\xAF",  // а А ё Ё р Р я Я
    "\xD1\x90", "\xD0\x80", "\xD1\x9F", "\xD0\x8F", "a",        "A",        "z",        "Z",         // ѐ Ѐ џ Џ
    "\xD0\xB5", "\xD0\x95", " ",        "\r\n",     "_",        "7",        ".",        "\xC3\x9F",  // е Е, ß
    "\xCE\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\x80", "\xBF", "\xD0", "\xF0\x9F", "\xC0",      // Ω 中 😀
};
constexpr std::size_t casePairs = 9;  // tokens [0, 2 * casePairs) pair up by case

constexpr char32_t brokenByte = 0x110000;  // + the byte: a character no code point equals

struct Character {
  Position start;
  char32_t key;  // the code point, or brokenByte + the byte
};

std::vector<Character> Decode(const std::string& text) {
  std::vector<Character> characters;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t at = 0; at < text.size();) {
    Utf8Sequence s = DecodeUtf8(bytes + at, text.size() - at);
    bool valid = s.status == Utf8Status::Valid;
    characters.push_back({static_cast<Position>(at), valid ? s.codePoint : brokenByte + bytes[at]});
    at += valid ? s.length : 1;
  }
  characters.push_back({static_cast<Position>(text.size()), 0});  // the end
  return characters;
}

char32_t Folded(char32_t c, bool matchCase) {
  if (matchCase) return c;
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  return c;
}

bool IsWord(char32_t key) { return key < brokenByte && ClassOfCharacter(key) == ByteClass::Word; }

// Every start, in order, of a match inside [from, to).
std::vector<Position> ReferenceMatches(const std::string& text, const std::string& pattern, Position from, Position to,
                                       std::uint32_t options) {
  const bool matchCase = (options & FindMatchCase) != 0;
  std::vector<Character> t = Decode(text), p = Decode(pattern);
  const std::size_t n = t.size() - 1, m = p.size() - 1;
  std::vector<Position> starts;
  for (std::size_t i = 0; m > 0 && i + m <= n; ++i) {
    if (t[i].start < from || t[i + m].start > to) continue;
    bool same = true;
    for (std::size_t k = 0; same && k < m; ++k) same = Folded(t[i + k].key, matchCase) == Folded(p[k].key, matchCase);
    if (!same) continue;
    if ((options & FindWholeWord) != 0) {
      if (i > 0 && IsWord(p[0].key) && IsWord(t[i - 1].key)) continue;
      if (i + m < n && IsWord(p[m - 1].key) && IsWord(t[i + m].key)) continue;
    }
    starts.push_back(t[i].start);
  }
  return starts;
}

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
      std::vector<Position> starts = ReferenceMatches(text, pattern, from, std::max(from, to), options);
      Position first = starts.empty() ? -1 : starts.front(), last = starts.empty() ? -1 : starts.back();
      EXPECT_EQ(engine.Find({from, to}, pattern, options), first) << round << " " << options;
      EXPECT_EQ(engine.FindLast({from, to}, pattern, options), last) << round << " " << options;
    }
  }
}
