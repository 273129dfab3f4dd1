// Plain-string answers to the document engine's line and find questions, for
// the model test and the engine's fuzz target to check the engine against.
#pragma once
#include <string>
#include <vector>

#include "engine/char_classes.h"
#include "engine/engine_types.h"

// The first position of every line: CR LF, a lone CR and a lone LF each end one.
inline std::vector<Position> NaiveLineStarts(const std::string& text) {
  std::vector<Position> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool pairedCr = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if ((text[i] == '\r' && !pairedCr) || text[i] == '\n') starts.push_back(static_cast<Position>(i + 1));
  }
  return starts;
}

// Whether `pattern` matches at `i`, compared byte by byte.
inline bool NaiveMatchesAt(const std::string& text, Position i, const std::string& pattern, bool matchCase,
                           bool wholeWord, const CharClasses& classes) {
  auto fold = [&](char c) { return matchCase ? static_cast<unsigned char>(c) : classes.fold[static_cast<unsigned char>(c)]; };
  auto word = [&](char c) { return classes.classOf[static_cast<unsigned char>(c)] == ByteClass::Word; };
  auto m = static_cast<Position>(pattern.size());
  for (Position k = 0; k < m; ++k) {
    if (fold(text[static_cast<std::size_t>(i + k)]) != fold(pattern[static_cast<std::size_t>(k)])) return false;
  }
  if (wholeWord && i > 0 && word(text[static_cast<std::size_t>(i - 1)]) && word(pattern.front())) return false;
  return !(wholeWord && i + m < static_cast<Position>(text.size()) && word(text[static_cast<std::size_t>(i + m)]) &&
           word(pattern.back()));
}

// The first match of `pattern` in [from, to), or with `last` the last one.
inline Position NaiveFind(const std::string& text, Position from, Position to, const std::string& pattern,
                          bool matchCase, bool wholeWord, const CharClasses& classes, bool last = false) {
  auto m = static_cast<Position>(pattern.size());
  if (m == 0 || to - from < m) return -1;
  for (Position k = 0; k <= to - m - from; ++k) {
    Position i = last ? to - m - k : from + k;
    if (NaiveMatchesAt(text, i, pattern, matchCase, wholeWord, classes)) return i;
  }
  return -1;
}

inline constexpr char32_t brokenByte = 0x110000;  // + the byte: a character no code point equals

struct ReferenceCharacter {
  Position start;
  char32_t key;  // the code point, or brokenByte + the byte
};

// The length of a valid UTF-8 sequence at `i` with its code point, else 1 (a broken byte).
// Written from the definition, not from the decoder under test.
inline std::size_t ReferenceUtf8Length(const std::string& s, std::size_t i, char32_t& code) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  code = b;
  if (b < 0x80 || (b & 0xC0) == 0x80 || b > 0xF7 || i + n > s.size()) return 1;
  char32_t value = b & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 1;
    value = value << 6 | (byte(i + k) & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < least[n] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 1;
  code = value;
  return n;
}

// The characters of `text`, then its end.
inline std::vector<ReferenceCharacter> DecodeForReference(const std::string& text) {
  std::vector<ReferenceCharacter> characters;
  for (std::size_t at = 0; at < text.size();) {
    char32_t code = 0;
    const std::size_t n = ReferenceUtf8Length(text, at, code);
    const bool broken = n == 1 && code >= 0x80;
    characters.push_back({static_cast<Position>(at), broken ? brokenByte + code : code});
    at += n;
  }
  characters.push_back({static_cast<Position>(text.size()), 0});  // the end
  return characters;
}

// Unicode's simple case pairs (UnicodeData.txt) whose two letters both lie in Basic Latin,
// Latin-1 or the Cyrillic block: runs of capitals, each with its small letter at a fixed distance.
struct CasePairRun {
  char32_t capital, small, count, step;
};
inline constexpr CasePairRun casePairRuns[] = {
    {U'A', U'a', 26, 1},     {0x00C0, 0x00E0, 23, 1}, {0x00D8, 0x00F8, 7, 1},  // À..Ö, Ø..Þ
    {0x0400, 0x0450, 16, 1}, {0x0410, 0x0430, 32, 1},                         // Ѐ..Џ, А..Я
    {0x0460, 0x0461, 17, 2}, {0x048A, 0x048B, 27, 2},                         // Ѡ..Ҁ, Ҋ..Ҿ
    {0x04C0, 0x04CF, 1, 1},  {0x04C1, 0x04C2, 7, 2},  {0x04D0, 0x04D1, 24, 2}, // Ӏ, Ӂ..Ӎ, Ӑ..Ӿ
};

inline char32_t FoldedForReference(char32_t c, bool matchCase) {
  if (matchCase) return c;
  for (const CasePairRun& run : casePairRuns) {
    if (c >= run.capital && (c - run.capital) % run.step == 0 && (c - run.capital) / run.step < run.count) {
      return c - run.capital + run.small;
    }
  }
  return c;
}

// Letters and digits as the views count them. Below U+0100 the ASCII ones and the Latin-1
// letters (ª, µ and º are signs, as in the code pages). Above, all but the blocks of punctuation
// and symbols: General Punctuation (its spaces and its format characters too), Letterlike Symbols
// to Miscellaneous Symbols and Arrows, CJK Symbols and Punctuation, CJK Compatibility Forms, the
// byte-order mark, the fullwidth forms of ASCII's punctuation and the pictographs from Mahjong
// Tiles to Symbols and Pictographs Extended-A.
inline bool IsWordForReference(char32_t key) {
  if (key < 0x80) return (key >= U'0' && key <= U'9') || ((key | 0x20) >= U'a' && (key | 0x20) <= U'z');
  if (key < 0x100) return key >= 0xC0 && key != 0xD7 && key != 0xF7;
  const char32_t signs[][2] = {{0x2000, 0x206F}, {0x2100, 0x2BFF}, {0x3000, 0x303F}, {0xFE30, 0xFE4F},
                               {0xFEFF, 0xFEFF}, {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20}, {0x1F000, 0x1FAFF}};
  for (const auto& block : signs) {
    if (key >= block[0] && key <= block[1]) return false;
  }
  return key < brokenByte;
}

// The first match in [from, to) in the UTF-8 view, or with `last` the last one: the text
// and the pattern decoded into characters (a byte that starts no valid sequence being one
// of its own), folded one by one and compared.
inline Position NaiveFindUtf8(const std::string& text, Position from, Position to, const std::string& pattern,
                              std::uint32_t options, bool last = false) {
  const bool matchCase = (options & FindMatchCase) != 0;
  std::vector<ReferenceCharacter> t = DecodeForReference(text), p = DecodeForReference(pattern);
  const std::size_t n = t.size() - 1, m = p.size() - 1;
  Position found = -1;
  for (std::size_t i = 0; m > 0 && i + m <= n; ++i) {
    if (t[i].start < from || t[i + m].start > to) continue;
    bool same = true;
    for (std::size_t k = 0; same && k < m; ++k) {
      same = FoldedForReference(t[i + k].key, matchCase) == FoldedForReference(p[k].key, matchCase);
    }
    if (!same) continue;
    if ((options & FindWholeWord) != 0) {
      if (i > 0 && IsWordForReference(p[0].key) && IsWordForReference(t[i - 1].key)) continue;
      if (i + m < n && IsWordForReference(p[m - 1].key) && IsWordForReference(t[i + m].key)) continue;
    }
    found = t[i].start;
    if (!last) break;
  }
  return found;
}
