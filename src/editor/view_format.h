// The view code page: which of the three Cyrillic code pages the editor shows
// the document's bytes in, and the format that goes with it.
#pragma once
#include "codepages/code_pages.h"

extern CodePage viewCodePage;  // Ansi, Oem or Koi8

// True when the screen has a font family of this name (ignoring case).
bool IsInstalledFace(const char* face);

// Gives the whole text and the control's default format the stored font of
// the view code page, and tells the control the code page. Keeps the modified
// flag and the keyboard layout, empties the control's own undo and refreshes
// the status bar. Leaves the whole text
// selected: callers restore the selection.
void ApplyViewFormat();
