// The clipboard as text: what other programs read and offer. The copied bytes
// go out as UTF-16 (CF_UNICODETEXT) read through the view code page, and as the
// bytes of a system text format for programs that read only that; a paste
// takes UTF-16 first and puts it into the view code page.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

// Empties the clipboard and puts `bytes` of the view code page `view` on it:
// as UTF-16, as the system text format that suits the view, and in the
// program's own format exactly. False, the clipboard left alone, when memory
// or the clipboard cannot be had.
bool PutTextOnClipboard(std::string_view bytes, CodePage view);

// The clipboard's text in UTF-8, up to its first zero: CF_UNICODETEXT when
// offered, else CF_TEXT read in the system's code page. False when it holds no text.
bool ReadClipboardAsUtf8(std::string& utf8);
