// The view code page: which of the three Cyrillic code pages the editor shows
// the document's bytes in, and the format that goes with it.
#pragma once
#include "codepages/code_pages.h"

extern CodePage viewCodePage;  // Ansi, Oem or Koi8

// True when the screen has a font family of this name (ignoring case).
bool IsInstalledFace(const char* face);

// The clipboard format the document's bytes are exchanged in: CF_TEXT in view
// Ansi, CF_OEMTEXT in the others (KOI8-R through the DOS-866 table). Other
// programs expect Windows-1251 or DOS-866, and the system converts between the two.
unsigned ViewClipboardFormat();

// Gives the whole text and the control's default format the stored font of
// the view code page, and tells the control the code page. Keeps the modified
// flag and the keyboard layout, empties the control's own undo and refreshes
// the status bar. Leaves the whole text
// selected: callers restore the selection.
void ApplyViewFormat();
