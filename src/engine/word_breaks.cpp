#include "engine/word_breaks.h"

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
