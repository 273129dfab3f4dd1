// Every letter these commands change is a two-byte character of U+0400..U+047F, so each
// command needs one small table, made from what the command itself does to DOS-866 bytes.
#include "codepages/utf8_latin.h"

#include <array>
#include <cstring>

#include "codepages/code_pages.h"
#include "codepages/transliteration.h"
#include "codepages/unicode_maps.h"

namespace {

constexpr char32_t firstCyrillic = 0x400;
constexpr char32_t cyrillicCount = 0x80;

// What `command` writes for one DOS-866 byte.
std::string OnOemByte(LatinCommand command, unsigned char oem) {
  std::string text(1, static_cast<char>(oem));
  if (command == LatinCommand::Translit) return Transliterate(text, Oem);
  RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), NoTable, FidoTarget);
  return text;
}

}  // namespace

// Indexed by code point - firstCyrillic; length 0: the character stays.
struct LatinLetters {
  struct Spelling {
    char letters[2];
    unsigned char length;
  };
  std::array<Spelling, cyrillicCount> spellings{};
};

namespace {

LatinLetters MakeLetters(LatinCommand command) {
  LatinLetters made;
  for (int b = 0x80; b < 0x100; ++b) {
    const std::string latin = OnOemByte(command, static_cast<unsigned char>(b));
    const char32_t offset = char32_t{ByteToUnicode(Oem, static_cast<unsigned char>(b))} - firstCyrillic;
    if (static_cast<unsigned char>(latin[0]) >= 0x80 || offset >= cyrillicCount) continue;  // the byte stays
    LatinLetters::Spelling& spelling = made.spellings[offset];
    spelling.length = static_cast<unsigned char>(latin.size());
    std::memcpy(spelling.letters, latin.data(), latin.size());
  }
  return made;
}

template <LatinCommand command>
const LatinLetters* LettersOf() {
  static const LatinLetters letters = MakeLetters(command);
  return &letters;
}

}  // namespace

Utf8LatinWriter::Utf8LatinWriter(LatinCommand command)
    : letters_(command == LatinCommand::Fido ? LettersOf<LatinCommand::Fido>() : LettersOf<LatinCommand::Translit>()) {}

void Utf8LatinWriter::WriteCharacter(const unsigned char* at, Utf8Sequence sequence, char*& out) const {
  const char32_t offset = sequence.codePoint - firstCyrillic;
  if (offset < cyrillicCount && letters_->spellings[offset].length > 0) {
    const LatinLetters::Spelling& spelling = letters_->spellings[offset];
    std::memcpy(out, spelling.letters, spelling.length);
    out += spelling.length;
    return;
  }
  std::memcpy(out, at, sequence.length);
  out += sequence.length;
}

std::string WriteLatinInUtf8(std::string_view text, LatinCommand command) {
  Utf8LatinWriter writer(command);
  std::string out(Utf8LatinWriter::MaxOutput(text.size()), '\0');
  std::size_t written = writer.Convert(text, out.data());
  written += writer.Finish(out.data() + written);
  out.resize(written);
  return out;
}
