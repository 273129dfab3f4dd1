#include "engine/char_steps.h"

#include <algorithm>

#include "engine/text_storage.h"

namespace {

constexpr std::size_t maxBack = maxUtf8Length - 1;

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// The bytes around `position`: up to maxBack before it and maxUtf8Length from it.
struct Window {
  unsigned char bytes[maxBack + maxUtf8Length];
  std::size_t before = 0;
  std::size_t available = 0;
  const unsigned char* At() const { return bytes + before; }
};

Window WindowAt(const TextStorage& text, Position position) {
  Window window;
  Position from = std::max<Position>(0, position - static_cast<Position>(maxBack));
  Position to = std::min<Position>(text.Length(), position + static_cast<Position>(maxUtf8Length));
  text.CopyOut(from, to, window.bytes);
  window.before = static_cast<std::size_t>(position - from);
  window.available = static_cast<std::size_t>(to - position);
  return window;
}

}  // namespace

std::size_t Utf8StartDistance(const unsigned char* at, std::size_t before, std::size_t available) {
  if (!IsContinuation(at[0])) return 0;
  for (std::size_t back = 1; back <= std::min(before, maxBack); ++back) {
    const unsigned char* lead = at - back;
    if (IsContinuation(lead[0])) continue;
    return Utf8CharacterLength(lead, back + available) > back ? back : 0;
  }
  return 0;
}

Position CharacterStart(const TextStorage& text, CodePage codePage, Position position) {
  position = std::clamp<Position>(position, 0, text.Length());
  if (codePage != Utf8 || position == text.Length()) return position;
  Window window = WindowAt(text, position);
  return position - static_cast<Position>(Utf8StartDistance(window.At(), window.before, window.available));
}

Position NextCharacter(const TextStorage& text, CodePage codePage, Position position) {
  position = CharacterStart(text, codePage, position);
  if (position == text.Length()) return position;
  if (codePage != Utf8) return position + 1;
  Window window = WindowAt(text, position);
  return position + static_cast<Position>(Utf8CharacterLength(window.At(), window.available));
}

Position PreviousCharacter(const TextStorage& text, CodePage codePage, Position position) {
  position = CharacterStart(text, codePage, position);
  return position == 0 ? 0 : CharacterStart(text, codePage, position - 1);
}

Position CountCharacters(const TextStorage& text, CodePage codePage, Position from, Position to) {
  Position start = CharacterStart(text, codePage, from);
  from = start < from ? NextCharacter(text, codePage, start) : start;  // one that starts before `from` is not counted
  to = std::clamp<Position>(to, from, text.Length());
  if (codePage != Utf8) return to - from;
  Position count = 0;
  for (Position p = from; p < to;) {
    TextStorage::Segment segment = text.SegmentAt(p);
    auto offset = static_cast<std::size_t>(p - segment.start);
    auto inSegment = static_cast<std::size_t>(std::min(to, segment.start + segment.length) - p);
    std::size_t ascii = AsciiRunLength(segment.data + offset, inSegment);
    count += static_cast<Position>(ascii);
    p += static_cast<Position>(ascii);
    if (p >= to) break;
    if (ascii == inSegment) continue;
    auto inBlock = static_cast<std::size_t>(segment.start + segment.length - p);
    if (inBlock >= maxUtf8Length || segment.start + segment.length == text.Length()) {
      p += static_cast<Position>(Utf8CharacterLength(segment.data + offset + ascii, inBlock));
    } else {
      p = NextCharacter(text, codePage, p);  // a character that may run on into the next block
    }
    ++count;
  }
  return count;
}
