// Both directions go through tables made once: a byte's UTF-8 form, and a spelling for
// every character of the Basic Multilingual Plane, so a Cyrillic letter (two bytes in
// UTF-8) costs one lookup. Characters above it are in no single-byte page.
#include "codepages/utf8_recoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

#include "codepages/buffer_size.h"
#include "codepages/look_alikes.h"
#include "codepages/recoding_routes.h"
#include "codepages/unicode_maps.h"

namespace {

constexpr char32_t bmpSize = 0x10000;
constexpr char32_t noCharacter = 0xFFFD;
// A spelling entry: the byte itself, a replacing byte with this bit added, or multiByte.
constexpr std::uint16_t replacedBit = 0x100;
constexpr std::uint16_t multiByte = 0xFFFF;
constexpr char replacement = '?';

// A pair entry, for a byte and the one after it: the output byte when the first starts a
// character, and what the first byte is. stopBit: the pair cannot stand in a block of the fast
// path (only ASCII and two-byte characters the page has, one continuation byte after each lead).
// advanceBit: the first byte starts a character, so the output moves on after it.
constexpr std::uint16_t stopBit = 0x100, leadBit = 0x200, advanceBit = 0x400;
constexpr int leadShift = 9, advanceShift = 10;
// Bytes taken at once by the fast path.
constexpr std::size_t blockSize = 128;

std::uint16_t Entry(const PageSpelling& spelling) {
  if (spelling.length != 1) return multiByte;
  const auto byte = static_cast<unsigned char>(spelling.bytes[0]);
  return spelling.replaced ? replacedBit | byte : byte;
}

bool IsContinuation(int b) { return (b & 0xC0) == 0x80; }

// Only the characters of the five pages and their look-alikes can be spelt otherwise than '?'.
void FillSpellings(CodePage target, std::uint16_t* spellings) {
  std::fill(spellings, spellings + bmpSize, replacedBit | replacement);
  for (char32_t c = 0; c < 0x80; ++c) spellings[c] = static_cast<std::uint16_t>(c);
  for (int page = 0; page < codePageCount; ++page) {
    for (int b = 0x80; b < 0x100; ++b) {
      const char32_t c = ByteToUnicode(static_cast<CodePage>(page), static_cast<unsigned char>(b));
      if (c != noCharacter) spellings[c] = Entry(SpellInPage(target, c));
    }
  }
}

std::uint16_t PairEntry(const std::uint16_t* spellings, int first, int second) {
  if (first < 0x80) return static_cast<std::uint16_t>(advanceBit | first | (IsContinuation(second) ? stopBit : 0));
  if (IsContinuation(first)) return IsContinuation(second) ? stopBit : 0;
  if (first < 0xC2 || first > 0xDF || !IsContinuation(second)) return stopBit;
  const std::uint16_t spelling = spellings[(first & 0x1F) << 6 | (second & 0x3F)];
  return spelling < replacedBit ? advanceBit | leadBit | spelling : stopBit;
}

// Indexed by the two bytes as one 16-bit load on this machine reads them.
void FillPairs(const std::uint16_t* spellings, std::uint16_t* pairs) {
  for (int first = 0; first < 0x100; ++first) {
    for (int second = 0; second < 0x100; ++second) {
      const int index = std::endian::native == std::endian::little ? second << 8 | first : first << 8 | second;
      pairs[index] = PairEntry(spellings, first, second);
    }
  }
}

}  // namespace

// What a conversion into one page looks up: by character, and by pairs of bytes.
struct Utf8PageTables {
  std::array<std::uint16_t, bmpSize> spellings;
  std::array<std::uint16_t, 0x10000> pairs;
};

namespace {

std::unique_ptr<Utf8PageTables> MakeTables(CodePage target) {
  auto tables = std::make_unique<Utf8PageTables>();
  FillSpellings(target, tables->spellings.data());
  FillPairs(tables->spellings.data(), tables->pairs.data());
  return tables;
}

template <CodePage target>
const Utf8PageTables* TablesOf() {
  static const std::unique_ptr<Utf8PageTables> tables = MakeTables(target);
  return tables.get();
}

const Utf8PageTables* TablesFor(CodePage target) {
  switch (target) {
    case Oem: return TablesOf<Oem>();
    case Koi8: return TablesOf<Koi8>();
    case Iso: return TablesOf<Iso>();
    case Mac: return TablesOf<Mac>();
    default: return TablesOf<Ansi>();
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
    in = CopyAsciiRun(in, end, o);
    if (in == end) break;
    const Utf8Form& form = forms[*in++];
    std::memcpy(o, form.bytes, form.length);
    o += form.length;
    undefined += form.undefined;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return undefined;
}

Utf8ToPage::Utf8ToPage(CodePage target) : tables_(TablesFor(target)), target_(target) {}

// A block when enough bytes are left; the walk starts over after a whole one.
bool Utf8ToPage::TakeRun(const unsigned char*& in, const unsigned char* end, char*& out) const {
  if (end - in <= static_cast<std::ptrdiff_t>(blockSize)) return false;
  const std::size_t taken = ConvertBlock(in, out);
  in += taken;
  return taken >= blockSize;
}

// Converts the ASCII and two-byte characters (U+0080..U+07FF, every Cyrillic letter among them)
// that the page has at the start of blockSize bytes (one more to finish a character), and
// returns how many bytes it took: fewer than blockSize when something else stands there. Every
// byte is looked up with the one after it, with no branch on its kind (which in prose changes
// every few bytes): a continuation byte's output is written and then overwritten by the next
// character's. Only a block that stops is read again, to find where.
std::size_t Utf8ToPage::ConvertBlock(const unsigned char* in, char*& out) const {
  if (IsContinuation(in[0])) return 0;
  const std::uint16_t* pairs = tables_->pairs.data();
  auto entryAt = [in, pairs](std::size_t i) {
    std::uint16_t pair;
    std::memcpy(&pair, in + i, sizeof pair);
    return unsigned{pairs[pair]};
  };
  char* o = out;
  unsigned seen = 0, entry = 0;
  auto step = [&](std::size_t i) {
    entry = entryAt(i);
    seen |= entry;
    *o = static_cast<char>(entry);
    o += entry >> advanceShift;
  };
  for (std::size_t i = 0; i < blockSize; i += 4) {  // four at a time: less loop overhead for the same work
    step(i);
    step(i + 1);
    step(i + 2);
    step(i + 3);
  }
  if ((seen & stopBit) == 0) {
    out = o;
    return blockSize + ((entry >> leadShift) & 1);
  }
  std::size_t taken = 0;
  for (o = out; !((entry = entryAt(taken)) & stopBit); ++taken) o += entry >> advanceShift;
  if (IsContinuation(in[taken])) {  // the second byte of a character whose next byte stops
    --taken;
    --o;
  }
  out = o;
  return taken;
}

void Utf8ToPage::WriteCharacter(const unsigned char*, Utf8Sequence sequence, char*& out) {
  const std::uint16_t entry = sequence.codePoint < bmpSize ? tables_->spellings[sequence.codePoint] : replacedBit | replacement;
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

RecodedText RecodeText(std::string_view text, CodePage source, CodePage target) {
  RecodedText result;
  if (source == Utf8 && target != Utf8) {
    Utf8ToPage converter(target);
    result.bytes.resize(Utf8ToPage::MaxOutput(text.size()));
    std::size_t written = converter.Convert(text, result.bytes.data());
    written += converter.Finish(result.bytes.data() + written);
    result.bytes.resize(written);
    result.replaced = converter.Replaced();
    result.invalid = converter.InvalidBytes();
  } else if (target == Utf8 && source != Utf8) {
    result.invalid = AppendPageAsUtf8(source, text, result.bytes);
  } else {
    result.bytes.assign(text);
    const RecodingRoute route = ChosenRecodingRoute(source, target);
    RecodeBytes(reinterpret_cast<unsigned char*>(result.bytes.data()), result.bytes.size(), route.fromTable,
                route.toTable);
  }
  return result;
}
