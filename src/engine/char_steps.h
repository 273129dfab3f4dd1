// Characters of the text as a view code page reads them. In a single-byte
// code page every byte is one character. In UTF-8 a valid sequence is one
// character and every byte that starts none (a stray continuation byte, a
// lead byte without its continuations, one cut short by the end of the text)
// is a character of its own, so a broken text still has every byte reachable.
//
// Whether a position starts a character is decided locally: ASCII and lead
// bytes always start one, and a continuation byte continues the valid
// sequence of the nearest lead byte at most three bytes before it, or starts
// a character of its own.
#pragma once
#include <cstddef>

#include "codepages/code_pages.h"
#include "codepages/utf8.h"
#include "engine/engine_types.h"

class TextStorage;

// The length of the UTF-8 character at `at`, of which `available` (at least 1)
// bytes are readable up to the end of the text.
inline std::size_t Utf8CharacterLength(const unsigned char* at, std::size_t available) {
  if (at[0] < 0x80) return 1;
  Utf8Sequence sequence = DecodeUtf8(at, available);
  return sequence.status == Utf8Status::Valid ? sequence.length : 1;
}

// How far before `at` the UTF-8 character holding `at` starts: 0 when `at`
// starts one. `before` bytes before `at` and `available` from it are readable.
std::size_t Utf8StartDistance(const unsigned char* at, std::size_t before, std::size_t available);

// The same questions over a text. Positions are clamped to the text; the end
// of the text is a character start.
Position CharacterStart(const TextStorage& text, CodePage codePage, Position position);
// The start of the character after the one holding `position`.
Position NextCharacter(const TextStorage& text, CodePage codePage, Position position);
// The start of the character before the one holding `position`.
Position PreviousCharacter(const TextStorage& text, CodePage codePage, Position position);
// Characters in [from, to): those that start there.
Position CountCharacters(const TextStorage& text, CodePage codePage, Position from, Position to);
