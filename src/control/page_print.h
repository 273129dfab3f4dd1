// Printing by the document control: EM_FORMATRANGE lays out one page of a
// range against a target device (the printer) and may draw it, EM_DISPLAYBAND
// draws the page laid out last. Lines break at the printer's widths, so that a
// preview on screen shows the printer's lines and pages.
#pragma once
#include <windows.h>

#include "control/page_layout.h"
#include "control/view_font.h"

// The control's font as the target device measures it, and the last page laid
// out; a null EM_FORMATRANGE record drops both.
struct PrintLayout {
  HDC target = nullptr;  // the device `font` was made for
  int dotsX = 0, dotsY = 0;
  CharFormat format;   // the control's format it was made for
  CharFormat printed;  // the same with the face the screen shows
  CodePage codePage = Ansi;
  ViewFont font;
  bool measured = false;

  bool hasPage = false;
  HDC dc = nullptr;  // where EM_DISPLAYBAND draws
  RECT area{};       // the page's print rectangle, in twips
  int wrapWidth = 1;  // in target pixels
  PageSpan page;
};

void ReleasePrintLayout(PrintLayout& print);
