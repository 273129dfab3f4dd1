// The code pages the editor can show the document's bytes in: the three
// Cyrillic single-byte ones and UTF-8. Their settings, fonts, menu items and
// pictures are kept in this order, the view index.
#pragma once
#include "codepages/code_pages.h"

constexpr int viewCodePageCount = 4;  // Ansi, Oem, Koi8, Utf8

inline constexpr CodePage viewCodePages[viewCodePageCount] = {Ansi, Oem, Koi8, Utf8};

// The picture of each view code page among the program's own pictures, which
// follow the fifteen standard ones in the picture strips (the three
// single-byte views, the four alignments, two windows, then UTF-8).
inline constexpr int viewImages[viewCodePageCount] = {0, 1, 2, 8};
constexpr int programImageCount = 9;

// The view index of `page`; -1 for ISO and MAC, which are never a view.
constexpr int ViewIndex(CodePage page) {
  for (int i = 0; i < viewCodePageCount; ++i) {
    if (viewCodePages[i] == page) return i;
  }
  return -1;
}

// The name of any code page in the status bar and the code-page lists: "UTF-8" for UTF-8.
inline const char* CodePageDisplayName(CodePage page) { return page == Utf8 ? "UTF-8" : codePageNames[page]; }

// Whether a stored or passed number names a view code page.
constexpr bool IsViewCodePage(int page) { return page >= Ansi && page <= Utf8 && ViewIndex(CodePage(page)) >= 0; }
