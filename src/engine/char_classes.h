// What each byte is in a code page, for word breaks and find: its class and
// its small-letter form. Built from the code pages' Unicode tables, so Yo and
// every other Cyrillic capital of the code page fold like the rest.
#pragma once
#include "codepages/code_pages.h"

enum class ByteClass : unsigned char {
  Word,   // letters of the code page and digits
  Blank,  // space, tab, vertical tab, form feed, no-break space
  Break,  // CR and LF
  Other,  // punctuation, symbols, box drawing, control bytes
};

struct CharClasses {
  ByteClass classOf[256];
  unsigned char fold[256];  // the small letter for a capital, the byte itself otherwise
};

// The tables of a code page; built once, shared.
const CharClasses& CharClassesFor(CodePage codePage);

// The class of a Unicode character, for word breaks in UTF-8.
ByteClass ClassOfCharacter(char32_t c);

// The case map every view folds with: Latin, Latin-1 and the Cyrillic block.
// The small letter of a capital, the character itself otherwise.
char32_t ToSmall(char32_t c);
// The capital whose small letter `c` is, the character itself otherwise.
char32_t ToCapital(char32_t c);
