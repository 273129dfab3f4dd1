// The view code page: which of the three Cyrillic code pages the editor shows
// the document's bytes in, and the format that goes with it.
#pragma once
#include "conversion/code_pages.h"

extern CodePage viewCodePage;  // Ansi, Oem or Koi8

// Shows the whole text in the current view code page.
void ApplyViewFormat();
