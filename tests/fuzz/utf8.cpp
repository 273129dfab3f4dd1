// The UTF-8 layer on any bytes: the decoder against the definition, and the engine's character
// steps over a text edited at random (recoding is held to a model natively, on crafted and real text).
//
// Input: a byte choosing edit sizes (up to eight more bytes), then the text.
#include <algorithm>
#include <string>
#include <vector>

#include "codepages/code_pages.h"
#include "codepages/utf8.h"
#include "engine/char_steps.h"
#include "engine/text_storage.h"
#include "fuzz/fuzz_support.h"

namespace {

// RFC 3629: the high bits of a lead byte give the length; its other bits and six of each
// continuation byte make the code point, which needs that length, is no surrogate and is at
// most U+10FFFF. A start that the end cuts short is Cut when some continuation makes it valid.
Utf8Sequence Reference(const unsigned char* at, std::size_t available) {
  const unsigned char b = at[0];
  const std::size_t length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
  const Utf8Sequence invalid{Utf8Status::Invalid, 1, 0};
  if (length == 0) return invalid;
  if (length == 1) return {Utf8Status::Valid, 1, b};
  const std::size_t given = std::min(length, available);
  char32_t bits = b & (0x7F >> length);
  for (std::size_t i = 1; i < given; ++i) {
    if ((at[i] & 0xC0) != 0x80) return invalid;
    bits = bits << 6 | (at[i] & 0x3F);
  }
  const std::size_t missing = 6 * (length - given);
  const char32_t least = bits << missing, most = least | ((char32_t{1} << missing) - 1);
  const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  const char32_t from = std::max(least, shortest[length]), to = std::min(most, char32_t{0x10FFFF});
  if (from > to || (from >= 0xD800 && to <= 0xDFFF)) return invalid;
  if (given < length) return {Utf8Status::Cut, static_cast<unsigned char>(given), 0};
  return {Utf8Status::Valid, static_cast<unsigned char>(length), bits};
}

// The text as the UTF-8 view reads it: each valid sequence one character, any other byte one.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  const auto* at = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(i);
    const Utf8Sequence sequence = Reference(at + i, text.size() - i);
    i += sequence.status == Utf8Status::Valid ? sequence.length : 1;
  }
  return starts;
}

void CheckDecoder(std::string_view text) {
  const auto* at = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Utf8Sequence got = DecodeUtf8(at + i, text.size() - i), expected = Reference(at + i, text.size() - i);
    FUZZ_CHECK(got.status == expected.status && got.length == expected.length);
    FUZZ_CHECK(got.status != Utf8Status::Valid || got.codePoint == expected.codePoint);
    if (got.status != Utf8Status::Valid) continue;
    char bytes[maxUtf8Length];
    FUZZ_CHECK(text.substr(i, got.length) == std::string_view(bytes, EncodeUtf8(got.codePoint, bytes)));
  }
  FUZZ_CHECK(Utf8CharacterCount(at, text.size()) == CharacterStarts(text).size());
}

// Inserts pieces of `text` at the end of a nearly full block and erases a little now and then,
// so characters straddle the block edge; then every position steps as the definition says.
void CheckSteps(std::string_view text, std::string_view sizes) {
  TextStorage storage;
  const std::string filler(TextStorage::BlockCapacity - 3, 'a');
  storage.Append(reinterpret_cast<const unsigned char*>(filler.data()), static_cast<Position>(filler.size()));
  const Position low = storage.Length() - 8;
  for (std::size_t at = 0, n = 0; at < text.size(); ++n) {
    const auto choice = static_cast<unsigned char>(sizes.empty() ? 0 : sizes[n % sizes.size()]);
    const std::size_t size = std::min<std::size_t>(text.size() - at, 1 + choice % 16);
    const Position where = low + static_cast<Position>(choice * 7919u % static_cast<unsigned>(storage.Length() - low + 1));
    if (choice & 0x80 && where < storage.Length()) storage.Erase(where, std::min<Position>(choice % 4 + 1, storage.Length() - where));
    storage.Insert(std::min(where, storage.Length()), reinterpret_cast<const unsigned char*>(text.data() + at), static_cast<Position>(size));
    at += size;
  }
  // The filler before `from` is untouched ASCII: characters start after it as in the rest alone.
  const Position length = storage.Length(), from = low - 8;
  std::string rest(static_cast<std::size_t>(length - from), '\0');
  storage.CopyOut(from, length, reinterpret_cast<unsigned char*>(rest.data()));
  std::vector<Position> starts;
  for (std::size_t start : CharacterStarts(rest)) starts.push_back(from + static_cast<Position>(start));
  starts.push_back(length);  // the end is a start too
  std::size_t k = 0;  // starts[k] <= p < starts[k + 1]
  for (Position p = from; p <= length; ++p) {
    while (k + 1 < starts.size() && starts[k + 1] <= p) ++k;
    FUZZ_CHECK(CharacterStart(storage, Utf8, p) == starts[k]);
    const Position next = NextCharacter(storage, Utf8, p);
    FUZZ_CHECK(next == (starts[k] == length ? length : starts[k + 1]));
    FUZZ_CHECK(PreviousCharacter(storage, Utf8, p) == (k == 0 ? from - 1 : starts[k - 1]));
    FUZZ_CHECK(starts[k] == length || PreviousCharacter(storage, Utf8, next) == starts[k]);
  }
  FUZZ_CHECK(CountCharacters(storage, Utf8, from, length) == static_cast<Position>(starts.size() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string_view sizes = input.Bytes(8);
  const std::string_view text = input.Rest();
  CheckDecoder(text);
  CheckSteps(text, sizes);
  return 0;
}
