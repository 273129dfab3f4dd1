// How a Unicode character is written in a single-byte code page that may lack it: the
// same look-alikes the conversion tables give between the Cyrillic code pages.
#pragma once
#include "codepages/code_pages.h"

// At most as long as the character's UTF-8 form, so a conversion from UTF-8 never grows.
struct PageSpelling {
  char bytes[3];
  unsigned char length;
  bool replaced;  // not the character itself: a look-alike, or '?'
};

// `character` in `target` (one of the five single-byte pages): its own byte when the page has
// it; else the look-alike a conversion table writes for it between Windows-1251, DOS-866,
// KOI8-R and Mac (« » as < >, dashes as '-', № as N, box drawing as - ¦ + L T, ...), or that
// look-alike's own look-alike, when the page has that; the ellipsis as "..."; else '?'.
PageSpelling SpellInPage(CodePage target, char32_t character);
