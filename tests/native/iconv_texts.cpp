#include "iconv_texts.h"

#include <iconv.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// The source and target code pages of tables 0..7 (OemToAnsi .. IsoToOem).
const CodePage tablePages[8][2] = {{Oem, Ansi}, {Ansi, Oem}, {Oem, Koi8}, {Koi8, Oem},
                                   {Oem, Mac},  {Mac, Oem},  {Oem, Iso},  {Iso, Oem}};

}  // namespace

int OracleTableEntry(int table, unsigned char b) {
  const int published = table < 8 ? PublishedMapping(tablePages[table][0], tablePages[table][1], b) : -1;
  // What a target lacks is the generator's choice (a look-alike), checked to be current instead.
  return published >= 0 ? published : conversionTables[table * 128 + b - 0x80];
}

unsigned char OracleRoute(int fromTable, int toTable, unsigned char b) {
  int c = b;
  if (fromTable >= 0 && c >= 0x80) c = OracleTableEntry(fromTable, static_cast<unsigned char>(c));
  if (toTable >= 0 && toTable <= 7 && c >= 0x80) c = OracleTableEntry(toTable, static_cast<unsigned char>(c));
  if (toTable == FidoTarget && c == 0x8D) c = 'H';
  if (toTable == FidoTarget && c == 0xE0) c = 'p';
  return static_cast<unsigned char>(c);
}
