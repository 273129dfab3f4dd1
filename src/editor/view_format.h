// The view code page: which of the three Cyrillic code pages or UTF-8 the
// editor shows the document's bytes in, and the format that goes with it.
#pragma once
#include <string>

#include "codepages/code_pages.h"

extern CodePage viewCodePage;  // Ansi, Oem, Koi8 or Utf8

// The stored face of view code page `codePage`, cut to what a LOGFONT holds; its default
// while none is stored (an empty one stored stays empty: the control's choice).
std::wstring ReadViewFontFace(CodePage codePage);

// True when the screen has a font family of this name (ignoring case).
bool IsInstalledFace(const std::wstring& face);

// The clipboard format the document's bytes are exchanged in: CF_TEXT in view
// Ansi, CF_OEMTEXT in the others (KOI8-R through the DOS-866 table). Other
// programs expect Windows-1251 or DOS-866, and the system converts between the two.
// The UTF-8 view exchanges UTF-16 instead (editor/text_clipboard.h).
unsigned ViewClipboardFormat();

// Gives the whole text and the control's default format the stored font of
// the view code page, and tells the control the code page. Keeps the modified
// flag and the keyboard layout, empties the control's own undo and refreshes
// the status bar. Leaves the whole text
// selected: callers restore the selection.
void ApplyViewFormat();
