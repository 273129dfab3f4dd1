// Word starts for Ctrl+arrow, Ctrl+Delete and Ctrl+Backspace.
#pragma once
#include "engine/char_classes.h"
#include "engine/text_storage.h"

// The start of the next word right of `position`: past the run of its class
// (one line break counts as a run of its own), then past blanks. The end of
// the text when there is none.
Position NextWordStart(const TextStorage& text, const CharClasses& classes, Position position);

// The start of the word left of `position`: back over blanks, then over the
// run of the class before them (one line break being a run of its own).
Position PreviousWordStart(const TextStorage& text, const CharClasses& classes, Position position);

// The same in UTF-8, by characters: each valid sequence has the class of its
// character (ClassOfCharacter), every byte that starts none is Other.
Position NextWordStartUtf8(const TextStorage& text, Position position);
Position PreviousWordStartUtf8(const TextStorage& text, Position position);

// The UTF-8 character at `position` (< the text's length): its bytes and
// class, as the word starts above see it.
struct Utf8Character {
  Position length;
  ByteClass kind;
};
Utf8Character Utf8CharacterAt(const TextStorage& text, Position position);
