// Both directions go through tables made once: a byte's UTF-8 form, and a spelling for
// every character of the Basic Multilingual Plane, so a Cyrillic letter (two bytes in
// UTF-8) costs one lookup. Characters above it are in no single-byte page.
#include "codepages/utf8_recoding.h"

#include <array>
#include <cstring>
#include <memory>

#include "codepages/buffer_size.h"
#include "codepages/look_alikes.h"
#include "codepages/unicode_maps.h"

namespace {

constexpr char32_t bmpSize = 0x10000;
constexpr char32_t noCharacter = 0xFFFD;
// A spelling entry: the byte itself, a replacing byte with this bit added, or multiByte.
constexpr std::uint16_t replacedBit = 0x100;
constexpr std::uint16_t multiByte = 0xFFFF;
constexpr char replacement = '?';

using Spellings = std::array<std::uint16_t, bmpSize>;

std::uint16_t Entry(const PageSpelling& spelling) {
  if (spelling.length != 1) return multiByte;
  const auto byte = static_cast<unsigned char>(spelling.bytes[0]);
  return spelling.replaced ? replacedBit | byte : byte;
}

// Only the characters of the five pages and their look-alikes can be spelt otherwise than '?'.
std::unique_ptr<Spellings> MakeSpellings(CodePage target) {
  auto spellings = std::make_unique<Spellings>();
  spellings->fill(replacedBit | replacement);
  for (char32_t c = 0; c < 0x80; ++c) (*spellings)[c] = static_cast<std::uint16_t>(c);
  for (int page = 0; page < codePageCount; ++page) {
    for (int b = 0x80; b < 0x100; ++b) {
      const char32_t c = ByteToUnicode(static_cast<CodePage>(page), static_cast<unsigned char>(b));
      if (c != noCharacter) (*spellings)[c] = Entry(SpellInPage(target, c));
    }
  }
  return spellings;
}

template <CodePage target>
const std::uint16_t* SpellingsOf() {
  static const std::unique_ptr<Spellings> spellings = MakeSpellings(target);
  return spellings->data();
}

const std::uint16_t* SpellingsFor(CodePage target) {
  switch (target) {
    case Oem: return SpellingsOf<Oem>();
    case Koi8: return SpellingsOf<Koi8>();
    case Iso: return SpellingsOf<Iso>();
    case Mac: return SpellingsOf<Mac>();
    default: return SpellingsOf<Ansi>();
  }
}

struct Utf8Form {
  char bytes[3];
  unsigned char length;
  bool undefined;  // the byte means no character: U+FFFD
};

}  // namespace

std::size_t AppendPageAsUtf8(CodePage source, std::string_view text, std::string& out) {
  std::array<Utf8Form, 256> forms;
  for (int b = 0; b < 256; ++b) {
    const char32_t c = ByteToUnicode(source, static_cast<unsigned char>(b));
    forms[b].length = static_cast<unsigned char>(EncodeUtf8(c, forms[b].bytes));
    forms[b].undefined = c == noCharacter;
  }
  const std::size_t start = out.size();
  out.resize(BufferSize(text.size(), 3, start, out.max_size()));
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = in + text.size();
  char* o = out.data() + start;
  std::size_t undefined = 0;
  while (in < end) {
    const std::size_t ascii = AsciiRunLength(in, static_cast<std::size_t>(end - in));
    std::memcpy(o, in, ascii);
    o += ascii;
    in += ascii;
    if (in == end) break;
    const Utf8Form& form = forms[*in++];
    std::memcpy(o, form.bytes, form.length);
    o += form.length;
    undefined += form.undefined;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return undefined;
}

Utf8ToPage::Utf8ToPage(CodePage target) : spellings_(SpellingsFor(target)), target_(target) {}

void Utf8ToPage::Convert(std::string_view chunk, std::string& out) {
  const auto* in = reinterpret_cast<const unsigned char*>(chunk.data());
  const auto* end = in + chunk.size();
  const std::size_t start = out.size();
  out.resize(BufferSize(chunk.size(), 1, start + carriedLength_, out.max_size()));
  char* o = out.data() + start;
  in = ConvertCarried(in, end, o);
  while (in < end) {
    const unsigned char lead = *in;
    if (lead < 0x80) {
      const std::size_t ascii = AsciiRunLength(in, static_cast<std::size_t>(end - in));
      std::memcpy(o, in, ascii);
      o += ascii;
      in += ascii;
    } else if (lead >= 0xC2 && lead <= 0xDF && end - in >= 2 && (in[1] & 0xC0) == 0x80) {
      // Two bytes, U+0080..U+07FF, among them every Cyrillic letter: valid without more checks.
      ConvertSequence(in, {Utf8Status::Valid, 2, char32_t(lead & 0x1F) << 6 | (in[1] & 0x3F)}, o);
      in += 2;
    } else {
      const Utf8Sequence sequence = DecodeUtf8(in, static_cast<std::size_t>(end - in));
      if (sequence.status == Utf8Status::Cut) {
        std::memcpy(carried_, in, sequence.length);
        carriedLength_ = sequence.length;
        break;
      }
      ConvertSequence(in, sequence, o);
      in += sequence.length;
    }
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
}

void Utf8ToPage::Finish(std::string& out) {
  out.append(reinterpret_cast<const char*>(carried_), carriedLength_);
  invalidBytes_ += carriedLength_;
  carriedLength_ = 0;
}

// Adds the chunk's first bytes to a carried sequence until it is whole or proves invalid;
// returns where the rest of the chunk starts.
const unsigned char* Utf8ToPage::ConvertCarried(const unsigned char* in, const unsigned char* end, char*& out) {
  while (carriedLength_ > 0 && in < end) {
    carried_[carriedLength_++] = *in++;
    const Utf8Sequence sequence = DecodeUtf8(carried_, carriedLength_);
    if (sequence.status == Utf8Status::Cut) continue;
    if (sequence.status == Utf8Status::Valid) {
      ConvertSequence(carried_, sequence, out);
    } else {
      // A valid start followed by a byte that does not continue it: the start's bytes are
      // kept one by one, as in a single chunk, and the byte is read again as a start.
      --in;
      for (std::size_t i = 0; i + 1 < carriedLength_; ++i) ConvertSequence(carried_ + i, sequence, out);
    }
    carriedLength_ = 0;
  }
  return in;
}

void Utf8ToPage::ConvertSequence(const unsigned char* at, Utf8Sequence sequence, char*& out) {
  if (sequence.status != Utf8Status::Valid) {
    *out++ = static_cast<char>(*at);
    ++invalidBytes_;
    return;
  }
  const std::uint16_t entry = sequence.codePoint < bmpSize ? spellings_[sequence.codePoint] : replacedBit | replacement;
  if (entry == multiByte) {
    const PageSpelling spelling = SpellInPage(target_, sequence.codePoint);
    std::memcpy(out, spelling.bytes, spelling.length);
    out += spelling.length;
    replaced_ += spelling.replaced;
    return;
  }
  *out++ = static_cast<char>(entry & 0xFF);
  replaced_ += (entry & replacedBit) != 0;
}
