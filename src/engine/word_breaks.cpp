#include "engine/word_breaks.h"

#include <algorithm>

#include "codepages/utf8.h"
#include "engine/char_steps.h"

Position NextWordStart(const TextStorage& text, const CharClasses& classes, Position position) {
  Position length = text.Length();
  if (position < 0) position = 0;
  if (position >= length) return length;
  ByteReader byteAt(text);
  ByteClass start = classes.classOf[byteAt(position)];
  if (start == ByteClass::Break) {
    bool pair = byteAt(position) == '\r' && position + 1 < length && byteAt(position + 1) == '\n';
    position += pair ? 2 : 1;
  } else if (start != ByteClass::Blank) {
    while (position < length && classes.classOf[byteAt(position)] == start) ++position;
  }
  while (position < length && classes.classOf[byteAt(position)] == ByteClass::Blank) ++position;
  return position;
}

Position PreviousWordStart(const TextStorage& text, const CharClasses& classes, Position position) {
  Position length = text.Length();
  if (position > length) position = length;
  if (position <= 0) return 0;
  ByteReader byteAt(text);
  while (position > 0 && classes.classOf[byteAt(position - 1)] == ByteClass::Blank) --position;
  if (position == 0) return 0;
  ByteClass before = classes.classOf[byteAt(position - 1)];
  if (before == ByteClass::Break) {
    bool pair = byteAt(position - 1) == '\n' && position >= 2 && byteAt(position - 2) == '\r';
    return position - (pair ? 2 : 1);
  }
  while (position > 0 && classes.classOf[byteAt(position - 1)] == before) --position;
  return position;
}

Utf8Character Utf8CharacterAt(const TextStorage& text, Position position) {
  unsigned char bytes[maxUtf8Length];
  Position end = std::min<Position>(text.Length(), position + static_cast<Position>(maxUtf8Length));
  text.CopyOut(position, end, bytes);
  Utf8Sequence sequence = DecodeUtf8(bytes, static_cast<std::size_t>(end - position));
  if (sequence.status != Utf8Status::Valid) return {1, ByteClass::Other};
  ByteClass kind = bytes[0] == '\r' || bytes[0] == '\n' ? ByteClass::Break : ClassOfCharacter(sequence.codePoint);
  return {sequence.length, kind};
}

Position NextWordStartUtf8(const TextStorage& text, Position position) {
  Position length = text.Length();
  position = CharacterStart(text, Utf8, position);
  if (position >= length) return length;
  Utf8Character first = Utf8CharacterAt(text, position);
  if (first.kind == ByteClass::Break) {
    bool pair = text.At(position) == '\r' && position + 1 < length && text.At(position + 1) == '\n';
    position += pair ? 2 : 1;
  } else if (first.kind != ByteClass::Blank) {
    for (Utf8Character c = first; position < length && c.kind == first.kind;) {
      position += c.length;
      if (position < length) c = Utf8CharacterAt(text, position);
    }
  }
  while (position < length) {
    Utf8Character c = Utf8CharacterAt(text, position);
    if (c.kind != ByteClass::Blank) break;
    position += c.length;
  }
  return position;
}

Position PreviousWordStartUtf8(const TextStorage& text, Position position) {
  position = CharacterStart(text, Utf8, position);
  auto before = [&](Position p, Position& start) {
    start = CharacterStart(text, Utf8, p - 1);
    return Utf8CharacterAt(text, start).kind;
  };
  Position start = 0;
  while (position > 0 && before(position, start) == ByteClass::Blank) position = start;
  if (position == 0) return 0;
  ByteClass kind = before(position, start);
  if (kind == ByteClass::Break) {
    bool pair = text.At(position - 1) == '\n' && position >= 2 && text.At(position - 2) == '\r';
    return position - (pair ? 2 : 1);
  }
  while (position > 0 && before(position, start) == kind) position = start;
  return position;
}
