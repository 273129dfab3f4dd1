#include "iconv_texts.h"

#include <iconv.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace {

const char* const iconvNames[5] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};

// `text` recoded; a byte that starts no character of `from` or that `to` lacks is skipped.
std::string Iconv(std::string_view text, const char* to, const char* from) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv lacks ") + from);
  std::string out(4 * text.size(), '\0');
  char* in = const_cast<char*>(text.data());
  char* next = out.data();
  size_t inLeft = text.size(), outLeft = out.size();
  while (inLeft > 0 && iconv(converter, &in, &inLeft, &next, &outLeft) == static_cast<size_t>(-1)) {
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::array<char32_t, 256> DecodeWithIconv(CodePage codePage) {
  std::array<char32_t, 256> characters;
  for (int b = 0; b < 256; ++b) {
    const std::string utf32 = Iconv(std::string(1, static_cast<char>(b)), "UTF-32LE", iconvNames[codePage]);
    characters[b] = noCharacter;
    if (utf32.size() == 4) std::memcpy(&characters[b], utf32.data(), 4);  // the host is little-endian too
  }
  return characters;
}

int PublishedMapping(CodePage source, CodePage target, unsigned char byte) {
  static const std::array<std::array<char32_t, 256>, 5> decoded = [] {
    std::array<std::array<char32_t, 256>, 5> all;
    for (int cp = Ansi; cp <= Mac; ++cp) all[cp] = DecodeWithIconv(static_cast<CodePage>(cp));
    return all;
  }();
  char32_t character = decoded[source][byte];
  if (character == noCharacter) return -1;
  for (int b = 0; b < 256; ++b) {
    if (decoded[target][b] == character) return b;
  }
  return -1;
}

std::string RussianText(const std::string& name) {
  const std::filesystem::path directory = "/usr/share/games/fortunes/ru";
  if (!std::filesystem::is_directory(directory)) {
    throw std::runtime_error("Russian texts missing: install fortunes-ru (scripts/install-deps.sh)");
  }
  std::ifstream file(directory / name, std::ios::binary);
  if (!file) throw std::runtime_error("no Russian text " + name);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ConvertFromUtf8(std::string_view utf8, const char* charset) { return Iconv(utf8, charset, "UTF-8"); }

namespace {

using Substitutes = std::map<int, int>;

Substitutes Spread(std::initializer_list<std::pair<std::initializer_list<int>, int>> groups) {
  Substitutes result;
  for (const auto& [inputs, output] : groups) {
    for (int input : inputs) result[input] = output;
  }
  return result;
}

// Pseudo-graphics and signs Windows-1251 lacks, drawn with look-alikes.
const Substitutes oemToAnsi = Spread({
    {{0xB0, 0xB1, 0xB2, 0xBC, 0xBD, 0xBE, 0xC4, 0xD5, 0xD9, 0xDA, 0xDB, 0xDC, 0xDF}, '-'},
    {{0xB3, 0xB5, 0xB6, 0xB9, 0xBA, 0xC6, 0xC7, 0xCA, 0xCC, 0xCF, 0xD0, 0xDD, 0xDE, 0xFE}, 0xA6},
    {{0xB7, 0xB8, 0xBB, 0xBF}, 0xAC},
    {{0xB4, 0xC1, 0xC3, 0xC5, 0xCE, 0xD7, 0xD8}, '+'},
    {{0xC0, 0xC8, 0xD3, 0xD4}, 'L'},
    {{0xC2, 0xCB, 0xD1, 0xD2}, 'T'},
    {{0xC9, 0xD6}, 0xE3},
    {{0xCD}, '='},
    {{0xF9}, 0x95},
    {{0xFB}, 'v'},
});

const Substitutes ansiToOem = Spread({
    {{0x80, 0x81, 0x83, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xA3,
      0xA5, 0xB4, 0xBC, 0xBD, 0xBE},
     '?'},
    {{0x82, 0x91, 0x92}, '\''},
    {{0x84, 0x93, 0x94}, '"'},
    {{0x85}, ':'}, {{0x86}, 0xC5}, {{0x87}, 0xD8}, {{0x89}, '%'}, {{0x8B, 0xAB}, '<'}, {{0x9B, 0xBB}, '>'},
    {{0x95}, 0x07}, {{0x96, 0x97, 0xAD}, '-'}, {{0x99}, 'T'}, {{0xA6}, 0xB3}, {{0xA7}, 0x15}, {{0xA9}, 'c'},
    {{0xAC}, 0xBF}, {{0xAE}, 'R'}, {{0xB1}, '+'}, {{0xB2}, 'I'}, {{0xB3}, 'i'}, {{0xB5}, 0xE7}, {{0xB6}, 0x14},
});

const Substitutes oemToKoi8 = {{0xF2, 'E'}, {0xF3, 'e'}, {0xF4, 'I'}, {0xF5, 'i'},
                               {0xF6, 'Y'}, {0xF7, 'y'}, {0xFC, 'N'}, {0xFD, 0xBF}};
const Substitutes koi8ToOem = {{0x93, 0xB3}, {0x97, 0xCD}, {0x98, '<'}, {0x99, '>'},
                               {0x9B, 0xB3}, {0x9D, 0xF8}, {0x9F, ':'}, {0xBF, 0xFD}};
// Mac « » – — become what Windows-1251 text gets for the same characters.
const Substitutes macToOem = {{0xC7, '<'}, {0xC8, '>'}, {0xD0, '-'}, {0xD1, '-'}};
const Substitutes none;

// keepsUnmapped: a character the target lacks keeps its byte.
struct TableRule { CodePage source, target; const Substitutes& substitutes; bool keepsUnmapped; };

const TableRule rules[8] = {
    {Oem, Ansi, oemToAnsi, false}, {Ansi, Oem, ansiToOem, false}, {Oem, Koi8, oemToKoi8, false},
    {Koi8, Oem, koi8ToOem, false}, {Oem, Mac, none, true},        {Mac, Oem, macToOem, true},
    {Oem, Iso, none, true},        {Iso, Oem, none, true},
};

// First Latin letter of each DOS-866 letter, from 0x80 on, then from 0xE0 on.
const std::string translitLow = "ABVGDEZZIYKLMNOPRSTUFHCCSS'I'EIIabvgdezziyklmnop";
const std::string translitHigh = "rstufhccss'y'eiiEe";

int TranslitEntry(unsigned char b) {
  if (b < 0xB0) return static_cast<unsigned char>(translitLow[b - 0x80]);
  if (b >= 0xE0 && b < 0xF2) return static_cast<unsigned char>(translitHigh[b - 0xE0]);
  return b;
}

}  // namespace

int OracleTableEntry(int table, unsigned char b) {
  if (table == OemToTranslit) return TranslitEntry(b);
  const TableRule& rule = rules[table];
  auto substitute = rule.substitutes.find(b);
  if (substitute != rule.substitutes.end()) return substitute->second;
  int published = PublishedMapping(rule.source, rule.target, b);
  if (published >= 0) return published;
  return rule.keepsUnmapped ? b : -1;
}

unsigned char OracleRoute(int fromTable, int toTable, unsigned char b) {
  int c = b;
  if (fromTable >= 0 && c >= 0x80) c = OracleTableEntry(fromTable, static_cast<unsigned char>(c));
  if (toTable >= 0 && toTable <= 7 && c >= 0x80) c = OracleTableEntry(toTable, static_cast<unsigned char>(c));
  if (toTable == FidoTarget && c == 0x8D) c = 'H';
  if (toTable == FidoTarget && c == 0xE0) c = 'p';
  return static_cast<unsigned char>(c);
}
